#pragma once
// Tests that open windows need one QApplication for the whole executable.
class QApplication;

namespace sa::test {
// Creates the process's QApplication on first use (offscreen in ctest).
QApplication& qtApp();
}  // namespace sa::test

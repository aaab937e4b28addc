#pragma once
// One dispatcher for every menu item, toolbar button and floating-window item.
// Operations are keyed by their main-menu caption; each runs its level test
// first, in this one place, then the handler registered for it. Subsystems plug
// in by registering a handler.
#include <QHash>
#include <QString>
#include <functional>

#include "app/core/app_state.h"
#include "app/ui/prompt.h"

namespace sa::core {

class OperationRouter {
 public:
  using Handler = std::function<void()>;

  OperationRouter(AppState& state, ui::Prompt& prompt) : state_(state), prompt_(prompt) {}

  // Registers (or replaces) the handler of an operation. An empty handler
  // removes it.
  void setHandler(const QString& operation, Handler handler);
  bool hasHandler(const QString& operation) const { return handlers_.contains(operation); }

  // Runs the operation: the level test, then the handler if there is one.
  // False when the test refused it.
  bool run(const QString& operation);

  // Called after every operation that passed its test, with the operation's
  // name, before the handler (the window uses it for check marks).
  void setBeforeRun(std::function<void(const QString&)> hook) { beforeRun_ = std::move(hook); }

 private:
  AppState& state_;
  ui::Prompt& prompt_;
  QHash<QString, Handler> handlers_;
  std::function<void(const QString&)> beforeRun_;
};

}  // namespace sa::core

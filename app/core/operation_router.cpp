#include "app/core/operation_router.h"

#include "app/core/levels.h"

namespace sa::core {

void OperationRouter::setHandler(const QString& operation, Handler handler) {
  if (handler)
    handlers_.insert(operation, std::move(handler));
  else
    handlers_.remove(operation);
}

bool OperationRouter::run(const QString& operation) {
  if (!checkOperationLevel(state_.user, operation, prompt_)) return false;
  if (beforeRun_) beforeRun_(operation);
  // A copy, so a handler may replace itself while it runs.
  const Handler handler = handlers_.value(operation);
  if (handler) handler();
  return true;
}

}  // namespace sa::core

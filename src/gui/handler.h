#pragma once

#include "core/error.h"
#include "gui/dialogs.h"

#include <exception>
#include <functional>
#include <utility>

namespace torval::gui {

namespace detail {

// Counts the handlers running inside each other; when the outermost one
// ends, the hook set by setAfterHandlers runs.
class HandlerScope
{
public:
    HandlerScope();
    ~HandlerScope();
    HandlerScope(const HandlerScope &) = delete;
    HandlerScope &operator=(const HandlerScope &) = delete;
};

} // namespace detail

// Runs one event handler. No error crosses a handler: whatever it raises ends
// it at once and is shown in the standard error box; what it did before
// stays done. Returns false when the handler failed.
template<typename F>
bool guarded(F &&handler)
{
    const detail::HandlerScope scope;
    try {
        std::forward<F>(handler)();
        return true;
    } catch (const torval::Error &e) {
        dialogs().showError(e.message());
    } catch (const std::exception &e) {
        dialogs().showError(QString::fromUtf8(e.what()));
    }
    return false;
}

// What runs after every outermost handler (the main window lets go of the
// database reads there, so that none outlives a handler); empty for none.
void setAfterHandlers(std::function<void()> hook);

} // namespace torval::gui

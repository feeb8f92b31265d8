#pragma once

#include "core/error.h"
#include "gui/dialogs.h"

#include <exception>
#include <utility>

namespace torval::gui {

// Runs one event handler. No error crosses a handler: whatever it raises ends
// it at once and is shown in the standard error box; what it did before
// stays done. Returns false when the handler failed.
template<typename F>
bool guarded(F &&handler)
{
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

} // namespace torval::gui

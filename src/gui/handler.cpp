#include "handler.h"

namespace torval::gui {

namespace {

int g_depth = 0;

std::function<void()> &afterHandlers()
{
    static std::function<void()> hook;
    return hook;
}

} // namespace

namespace detail {

HandlerScope::HandlerScope()
{
    ++g_depth;
}

HandlerScope::~HandlerScope()
{
    if (--g_depth == 0 && afterHandlers()) {
        try {
            afterHandlers()();
        } catch (...) {
        }
    }
}

} // namespace detail

void setAfterHandlers(std::function<void()> hook)
{
    afterHandlers() = std::move(hook);
}

} // namespace torval::gui

#include "inputhook.h"

#include "ownwindowinputhook.h"

namespace {
InputHook::Factory &factoryOverride()
{
    static InputHook::Factory factory;
    return factory;
}
} // namespace

std::unique_ptr<InputHook> InputHook::create()
{
    if (factoryOverride())
        return factoryOverride()();
    return createSystem();
}

std::unique_ptr<InputHook> InputHook::createOwnWindows()
{
    return std::make_unique<OwnWindowInputHook>();
}

void InputHook::setFactory(Factory factory)
{
    factoryOverride() = std::move(factory);
}

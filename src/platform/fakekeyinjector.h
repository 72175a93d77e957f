#pragma once

#include "keyinjector.h"

#include <QStringList>

// Records what would have been pasted; for tests.
class FakeKeyInjector : public KeyInjector
{
public:
    bool available = true;
    QStringList pasted;

    bool isAvailable() const override { return available; }
    bool pasteText(const QString &text) override
    {
        if (!available)
            return false;
        pasted << text;
        return true;
    }
};

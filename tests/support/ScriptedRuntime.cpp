#include "ScriptedRuntime.h"

float ScriptedRuntime::NextRandom() {
    ++randomsTaken;
    if (randoms.empty())
        return fallback_.Next();
    const float r = randoms.front();
    randoms.pop_front();
    return r;
}

int ScriptedRuntime::MsgBox(const QString& text) {
    messages.append(text);
    if (whileMessageShown)
        whileMessageShown();
    return kOk;
}

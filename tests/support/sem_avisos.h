#pragma once
// Qt warnings fail the test that causes them. Every test class calls
// FalhaComAvisos() from its init(), so that it covers every test function.

namespace velquora::teste {

// Makes the running test function fail on any Qt warning not expected with
// QTest::ignoreMessage. The offscreen platform's notices that it lacks a
// window-system feature ("This plugin does not support raise()", keyboard
// grabs, size hints) belong to the test platform, not to the program: they
// are dropped without a word.
void FalhaComAvisos();

}  // namespace velquora::teste

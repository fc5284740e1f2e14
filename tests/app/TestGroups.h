// The window's test groups, one QTest class each, run by name from main.
#pragma once

#include <QObject>

#include <memory>

namespace vokadlo::test {

std::unique_ptr<QObject> MakeStartUpTest();
std::unique_ptr<QObject> MakeHandlersTest();
std::unique_ptr<QObject> MakeSayCommandsTest();
std::unique_ptr<QObject> MakeProgressTest();
std::unique_ptr<QObject> MakePianoTest();
std::unique_ptr<QObject> MakePersistenceTest();

}  // namespace vokadlo::test

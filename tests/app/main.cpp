// Runs the window's test groups under Qt's offscreen platform: all of them, or the one named
// by the first argument (the remaining arguments go to QTest).
#include <QApplication>
#include <QTest>

#include <cstring>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "tests/app/TestGroups.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    using namespace vokadlo::test;
    const std::vector<std::pair<const char*, std::function<std::unique_ptr<QObject>()>>> groups = {
        {"StartUpTest", MakeStartUpTest},
        {"HandlersTest", MakeHandlersTest},
        {"SayCommandsTest", MakeSayCommandsTest},
        {"ProgressTest", MakeProgressTest},
        {"PianoTest", MakePianoTest},
        {"PersistenceTest", MakePersistenceTest},
    };
    const char* only = argc > 1 && argv[1][0] != '-' ? argv[1] : nullptr;
    std::vector<char*> rest = {argv[0]};
    for (int i = only ? 2 : 1; i < argc; ++i) {
        rest.push_back(argv[i]);
    }
    int failed = 0;
    bool ran = false;
    for (const auto& [name, make] : groups) {
        if (only && std::strcmp(only, name) != 0) {
            continue;
        }
        ran = true;
        const std::unique_ptr<QObject> group = make();
        failed += QTest::qExec(group.get(), static_cast<int>(rest.size()), rest.data());
    }
    return ran ? (failed == 0 ? 0 : 1) : 2;
}

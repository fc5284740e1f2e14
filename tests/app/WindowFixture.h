// What the window's tests share: a private configuration folder, engine-wide settings at their
// initial values, and a window on a silent output whose controls are found by name.
#pragma once

#include <QDir>
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <memory>
#include <string>
#include <string_view>

#include "app/FormSayText.h"
#include "core/CodePage.h"
#include "core/EngineSettings.h"
#include "engine/OrvTts.h"
#include "platform/ConfigDir.h"

namespace vokadlo::test {

class TWindowFixture {
  public:
    TWindowFixture() {
        testHandler = qInstallMessageHandler(DropPlatformNoise);
        Settings = TEngineSettings{};
        SetConfigDirOverride(configDir.path().toStdString());
    }
    ~TWindowFixture() {
        window.reset();
        SetConfigDirOverride({});
        Settings = TEngineSettings{};
        qInstallMessageHandler(testHandler);
    }
    TWindowFixture(const TWindowFixture&) = delete;
    TWindowFixture& operator=(const TWindowFixture&) = delete;

    std::string IniPath() const { return configDir.filePath("vokadlo.ini").toStdString(); }

    // A new window (the last one goes first: one session at a time).
    TFormSayText& Open(TFormOptions options = {}) {
        window.reset();
        options.output = TSessionConfig::TOutput::Silent;
        if (options.iniFile.empty()) {
            options.iniFile = IniPath();
        }
        window = std::make_unique<TFormSayText>(options);
        return *window;
    }
    // Opens and shows it, which restores the stored values.
    TFormSayText& Show(TFormOptions options = {}) {
        Open(std::move(options)).show();
        [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(window.get());
        return *window;
    }

    template <typename T>
    T& Control(const char* name) const {
        T* control = window->findChild<T*>(QString::fromLatin1(name));
        if (!control) {
            qFatal("no control %s", name);
        }
        return *control;
    }

    QTemporaryDir configDir;
    std::unique_ptr<TFormSayText> window;

  private:
    // The offscreen platform warns that it cannot pass size hints on; nothing to see here.
    static void DropPlatformNoise(QtMsgType type, const QMessageLogContext& context,
                                  const QString& text) {
        if (!text.contains(QStringLiteral("propagateSizeHints"))) {
            testHandler(type, context, text);
        }
    }
    static inline QtMessageHandler testHandler = nullptr;
};

// Engine text (code page 1250) of a UTF-8 literal, and back.
inline std::string Cp(const char* utf8) {
    return Utf8ToCp1250(utf8);
}
inline QString Shown(std::string_view cp1250) {
    return QString::fromStdString(Cp1250ToUtf8(cp1250));
}

// The text the engine holds but has not cut yet.
inline std::string PendingText() {
    return std::string(std::string_view(SayTextInstance->PendingText));
}

}  // namespace vokadlo::test

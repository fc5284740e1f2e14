// The window's say command, from the click to the engine holding the text (no chunk is cut:
// the event loop does not run), on a memo of one line and on one of 10 MB:
// - say from the top: the long memo costs a few passes over its text (the memo's own copy, one
//   conversion, the engine's copy), tens of milliseconds rather than a second;
// - the word command in the middle of the long memo converts only the word;
// - from the click until the first chunk shows, the engine's step included: about as long for
//   the long memo as for the short one.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextCursor>

#include <memory>

#include "app/FormSayText.h"
#include "platform/ConfigDir.h"

namespace vokadlo {
namespace {

const QString kLine = QStringLiteral(
    "Dobrý den, tady Vokadlo, český hlas pro Linux. Přečtu vám text, který napíšete.\n");

QString Memo(std::int64_t bytes) {
    QString memo;
    while (memo.toUtf8().size() < bytes) {
        memo += memo.isEmpty() ? kLine : memo;
    }
    return memo;
}

void Click(benchmark::State& state, TFormSayText& window, const char* button, std::int64_t bytes,
           bool middle) {
    auto* memo = window.findChild<QPlainTextEdit*>(QStringLiteral("MemoSay"));
    memo->setPlainText(bytes > 0 ? Memo(bytes) : kLine);
    QTextCursor caret = memo->textCursor();
    caret.setPosition(middle ? static_cast<int>(memo->document()->characterCount() / 2) : 0);
    memo->setTextCursor(caret);
    auto* say = window.findChild<QPushButton*>(QString::fromLatin1(button));
    for (auto _ : state) {
        say->click();
    }
}

// From the click until the first chunk is shown: the engine's step timer included.
void FirstChunk(benchmark::State& state, TFormSayText& window, std::int64_t bytes) {
    auto* memo = window.findChild<QPlainTextEdit*>(QStringLiteral("MemoSay"));
    memo->setPlainText(bytes > 0 ? Memo(bytes) : kLine);
    auto* label = window.findChild<QLabel*>(QStringLiteral("LabelSay"));
    auto* say = window.findChild<QPushButton*>(QStringLiteral("ButtonSayMemoSay"));
    for (auto _ : state) {
        label->setText(QStringLiteral("-"));
        say->click();
        while (label->text() == QStringLiteral("-")) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
    }
}

}  // namespace
}  // namespace vokadlo

int main(int argc, char** argv) {
    using namespace vokadlo;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    QTemporaryDir folder;
    SetConfigDirOverride(folder.path().toStdString());
    TFormOptions options;
    options.output = TSessionConfig::TOutput::Silent;
    options.iniFile = folder.filePath(QStringLiteral("vokadlo.ini")).toStdString();
    auto window = std::make_unique<TFormSayText>(options);
    window->show();

    TFormSayText& form = *window;
    constexpr std::int64_t kLong = 10 << 20;
    benchmark::RegisterBenchmark("BM_SayShortMemo", [&](benchmark::State& state) {
        Click(state, form, "ButtonSayMemoSay", 0, false);
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_Say10MBMemo", [&](benchmark::State& state) {
        Click(state, form, "ButtonSayMemoSay", kLong, false);
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_WordIn10MBMemo", [&](benchmark::State& state) {
        Click(state, form, "ButtonSlovo", kLong, true);
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_FirstChunkShortMemo",
                                 [&](benchmark::State& state) { FirstChunk(state, form, 0); })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("BM_FirstChunk10MBMemo",
                                 [&](benchmark::State& state) { FirstChunk(state, form, kLong); })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    window.reset();
    SetConfigDirOverride({});
    return 0;
}

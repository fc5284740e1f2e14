// The demonstration window TFormSayText: a text to be read aloud, the commands that say it, the
// voice's settings on tab pages, a dictionary editor, the picture of each chunk's wave and a
// small piano. It reaches the engine through the procedural calls and the engine-wide settings;
// the host session beneath it owns the sound, the timers and the store.
#pragma once

#include <QMainWindow>
#include <QPointer>

#include <exception>

#include <filesystem>
#include <memory>
#include <string>

#include "app/MessageNotice.h"
#include "app/Persistence.h"
#include "app/QtTimers.h"
#include "core/MemoryStream.h"
#include "engine/EngineSession.h"

class QAction;
class QButtonGroup;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSlider;
class QSplitter;
class QTabWidget;
class QTimer;

namespace vokadlo {

class TWaveDisplay;

struct TFormOptions {
    bool developer = false;         // show the hidden controls
    std::filesystem::path iniFile;  // empty: vokadlo.ini in the configuration folder
    TSessionConfig::TOutput output = TSessionConfig::TOutput::SoundCard;
    ISoundPlayer* player = nullptr;  // a player of the caller's instead of the output's
};

class TFormSayText final : public QMainWindow {
  public:
    explicit TFormSayText(const TFormOptions& options = {});
    ~TFormSayText() override;
    TFormSayText(const TFormSayText&) = delete;
    TFormSayText& operator=(const TFormSayText&) = delete;

    // Creation: opens the speech gate, sets the open dialog's folder and the INI file and
    // activates the persistence.
    void FormCreate();

    // Controls that write engine settings.
    void RychlostHlasuChange();
    void VyskaIntonaceChange();
    void VolumeChange();
    void RandomLenChange();
    void TrackSaySpaceLenChange();
    void TeckaLenChange();
    void EchoTabsChange();
    void EchoChange();
    void EchoVolChange();
    void TrackTonChange();
    void TrackTonLoChange();
    void TrackTonHiChange();
    void TypHlasuClick();
    void IntonaceCheckBoxClick();
    void IntonaceLinearClick();
    void ButtonSetClick();

    // Commands (app/SayCommands.cpp).
    void ButtonSayMemoSayClick(QObject* sender);
    void ButtonStopClick();
    void Last1Click() {}
    void TimerRepeatTimer();
    void Otevt1Click();
    // The open command once a file is chosen; false, after a message box, when it cannot be read.
    bool OpenTextFile(const QString& path);
    void Exit1Click();
    void About1Click();

    // Progress and wave picture (app/WaveDisplay.cpp).
    void SayProgress(const std::string& text, const TMemoryStream* stream);
    void ButtonStreamClick(const TMemoryStream& image);

    // Piano keys (app/PianoKeys.cpp).
    void T0Click(QObject* key);

    TFormStorage& FormStorage1() { return formStorage_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Grows the window back to its minimum when a window manager ignored it.
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;  // FormKeyDown

  private:
    void BuildMenu();
    QFrame* BuildPanel1();
    QFrame* BuildPanel2();
    QWidget* BuildTabSheet1();
    QWidget* BuildTabSheet3();
    QWidget* BuildTabSheet4();
    QWidget* BuildTabSheet2();
    QWidget* BuildTabSheet5();
    void BuildPianoKeys(QWidget* keyboard);
    void ConnectHandlers();
    void StoreProperties();
    void ShowDeveloperControls(bool shown);
    void ShowError(const QString& message);
    // Runs a handler so that no exception reaches Qt's event loop: it is shown instead.
    template <typename F>
    void Guarded(F&& handler) noexcept;
    bool EngineReachable() const { return session_ != nullptr; }

    TFormOptions options_;

    // Window fields: the text of the last say command and the control that issued it.
    std::string lastText_;
    QPointer<QObject> lastSender_;

    // Services of the session; they outlive it.
    TQtTimerFactory timers_;
    TMessageNotice notice_;
    std::unique_ptr<TEngineSession> session_;
    TFormStorage formStorage_;
    bool restoredOnce_ = false;
    int growBacks_ = 0;  // resizes below the minimum answered in a row

    // Controls, owned by their Qt parents; named as their objectName.
    QFrame* Panel1 = nullptr;
    QWidget* Panel3 = nullptr;
    QPushButton* ButtonSayMemoSay = nullptr;
    QPushButton* ButtonStop = nullptr;
    QPushButton* ButtonSlovo = nullptr;
    QLabel* LabelSay = nullptr;
    QPlainTextEdit* MemoSay = nullptr;
    QLabel* StatusLabel = nullptr;
    QSplitter* Splitter1 = nullptr;
    QFrame* Panel2 = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QCheckBox* Vlny = nullptr;
    TWaveDisplay* IM = nullptr;
    QLabel* LPP = nullptr;

    QSlider* RychlostHlasu = nullptr;
    QLabel* RychlostLabel = nullptr;
    QSlider* VyskaIntonace = nullptr;
    QLabel* Label1 = nullptr;
    QSlider* Volume = nullptr;
    QLabel* HlasitostL = nullptr;
    QSlider* RandomLen = nullptr;
    QLabel* RandomLenLabel = nullptr;
    QSlider* TrackSaySpaceLen = nullptr;
    QLabel* LabelSaySpaceLen = nullptr;
    QSlider* TeckaLen = nullptr;
    QLabel* Tecka = nullptr;
    QGroupBox* TypHlasu = nullptr;
    QButtonGroup* typHlasuItems_ = nullptr;
    QCheckBox* IntonaceCheckBox = nullptr;
    QCheckBox* IntonaceLinear = nullptr;

    QPlainTextEdit* MemoSlovnik = nullptr;
    QSlider* TrackTon = nullptr;
    QLabel* LabelTon = nullptr;
    QSlider* TrackTonLo = nullptr;
    QLabel* LabelTonLo = nullptr;
    QSlider* TrackTonHi = nullptr;
    QLabel* LabelTonHi = nullptr;
    QPushButton* ButtonSet = nullptr;
    QCheckBox* VypisVln = nullptr;
    QListWidget* ListBox1 = nullptr;

    QLineEdit* Zpev = nullptr;
    QCheckBox* ZDisku = nullptr;
    QLineEdit* Path = nullptr;
    QCheckBox* Direct = nullptr;
    QCheckBox* Repetice = nullptr;
    QLabel* LastText = nullptr;

    QSlider* EchoTabs = nullptr;
    QSlider* Echo = nullptr;
    QSlider* EchoVol = nullptr;

    QAction* MenuItemSlovo = nullptr;
    QString openFolder_;           // where the open dialog starts
    QAction* CistCesky = nullptr;  // checked: the text is read as in Czech before it is said
    QTimer* TimerRepeat = nullptr;
    QList<QWidget*> developerControls_;
};

template <typename F>
void TFormSayText::Guarded(F&& handler) noexcept {
    try {
        handler();
    } catch (const std::exception& e) {
        ShowError(MessageText(e.what()));
    } catch (...) {
        ShowError(QStringLiteral("unknown error"));
    }
}

// The window while it exists; the progress callback reaches it through this.
extern TFormSayText* FormSayText;

// The window's progress callback: does nothing while there is no window.
void FormSayTextProgress(const std::string& text, const TMemoryStream* stream);

}  // namespace vokadlo

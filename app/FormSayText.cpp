#include "app/FormSayText.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QShowEvent>
#include <QSlider>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <cstdio>

#include "app/MemoText.h"
#include "app/PianoKeys.h"
#include "app/SampleText.h"
#include "app/WaveDisplay.h"
#include "core/EngineSettings.h"
#include "engine/OrvTts.h"
#include "platform/ConfigDir.h"

namespace vokadlo {

TFormSayText* FormSayText = nullptr;

namespace {

// The voice types and the pitch each puts the pitch slider at.
struct TVoiceType {
    const char* caption;
    int pitch;
};
constexpr std::array<TVoiceType, 6> kVoiceTypes = {{
    {"Skřítek", -3},
    {"Ďítě", -6},
    {"Žena", -20},
    {"Originál", 0},
    {"Hoch", 5},
    {"Chlap", 2},
}};
constexpr int kDesignVoiceType = 3;

constexpr int kPanel2Height = 176;
constexpr int kPanel3Height = 28;
constexpr int kLeastSliderWidth = 80;
constexpr int kMostGrowBacks = 3;

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QLabel* MakeLabel(QWidget* parent, const char* name, const char* text) {
    auto* label = new QLabel(Text(text), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    return label;
}

QSlider* MakeSlider(QWidget* parent, const char* name, int minimum, int maximum, int position,
                    int tickInterval) {
    auto* slider = new QSlider(Qt::Horizontal, parent);
    slider->setObjectName(QString::fromLatin1(name));
    slider->setRange(minimum, maximum);
    slider->setValue(position);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(tickInterval);
    return slider;
}

QCheckBox* MakeCheckBox(QWidget* parent, const char* name, const char* caption, bool checked) {
    auto* box = new QCheckBox(Text(caption), parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setChecked(checked);
    return box;
}

QFrame* MakeLoweredPanel(QWidget* parent, const char* name) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(2);
    return panel;
}

// One slider of a settings page: its caption, the slider and, if any, its value label, on a
// row of `grid` from `column` on.
void AddSliderRow(QGridLayout* grid, int row, int column, QLabel* caption, QSlider* slider,
                  QLabel* value) {
    grid->addWidget(caption, row, column);
    grid->addWidget(slider, row, column + 1);
    if (value) {
        value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("-100%")));
        grid->addWidget(value, row, column + 2);
    }
}

}  // namespace

TFormSayText::TFormSayText(const TFormOptions& options)
    : options_(options),
      timers_([this](const std::string& message) { ShowError(MessageText(message)); }),
      notice_(this),
      formStorage_(*this, QStringLiteral("TFormSayText")) {
    setObjectName(QStringLiteral("FormSayText"));
    setWindowTitle(QStringLiteral("Orvent Vokadlo"));
    move(130, 135);
    resize(749, 524);

    BuildMenu();
    QFrame* top = BuildPanel1();
    QFrame* bottom = BuildPanel2();
    // Before any size is computed: the layouts keep the sizes they computed first.
    ShowDeveloperControls(options_.developer);
    Splitter1 = new QSplitter(Qt::Vertical, this);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setHandleWidth(3);
    Splitter1->setChildrenCollapsible(false);
    Splitter1->addWidget(top);
    Splitter1->addWidget(bottom);
    Splitter1->setStretchFactor(0, 1);
    Splitter1->setStretchFactor(1, 0);
    Splitter1->setSizes({524 - kPanel2Height, kPanel2Height});
    setCentralWidget(Splitter1);
    statusBar()->setObjectName(QStringLiteral("StatusBar"));

    TimerRepeat = new QTimer(this);
    TimerRepeat->setObjectName(QStringLiteral("TimerRepeat"));
    TimerRepeat->setInterval(1500);

    ConnectHandlers();
    StoreProperties();

    TSessionConfig config;
    config.output = options_.output;
    config.player = options_.player;
    config.buildEngine = false;
    config.enableSpeech = false;
    config.timers = &timers_;
    config.notice = &notice_;
    TSessionEvents events;
    events.Error = [this](const std::string& message) { ShowError(MessageText(message)); };
    session_ = std::make_unique<TEngineSession>(config, std::move(events));
    if (!session_->HasSound()) {
        // A widget of the status bar rather than a message, which hovering a menu would clear.
        QLabel* noSound = MakeLabel(statusBar(), "NoSound", "");
        noSound->setText(QStringLiteral("Bez zvuku (%1): slova se jen kreslí.")
                             .arg(MessageText(session_->SoundProblem())));
        statusBar()->addWidget(noSound, 1);
    }

    FormSayText = this;
    FormCreate();
}

TFormSayText::~TFormSayText() {
    FormSayText = nullptr;
    if (formStorage_.Restored() && !formStorage_.SavedSinceRestore()) {
        std::string error;
        if (!formStorage_.Save(true, error)) {
            std::fprintf(stderr, "vokadlo: %s\n", error.c_str());
        }
    }
    session_.reset();
}

void TFormSayText::FormCreate() {
    Settings.SpeechEnabled = true;
    openFolder_ = QDir::currentPath();
    formStorage_.SetIniFileName(options_.iniFile.empty()
                                    ? ConfigDir() / (std::string(kConfigBaseName) + ".ini")
                                    : options_.iniFile);
    formStorage_.SetActive(true);
}

void TFormSayText::BuildMenu() {
    const auto item = [](QMenu* menu, const char* name, const char* caption,
                         QKeySequence shortcut) {
        QAction* action = menu->addAction(Text(caption));
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(shortcut);
        return action;
    };
    QMenu* soubor = menuBar()->addMenu(QStringLiteral("Soubor"));
    soubor->setObjectName(QStringLiteral("Soubor1"));
    QAction* otevt1 = item(soubor, "Otevt1", "Otevřít", {});
    QAction* exit1 = item(soubor, "Exit1", "Exit", QKeySequence(Qt::Key_Escape));

    QMenu* ekni1 = menuBar()->addMenu(QStringLiteral("Řekni"));
    ekni1->setObjectName(QStringLiteral("ekni1"));
    QAction* rekni = item(ekni1, "MenuItemRekni", "Řekni", QKeySequence(Qt::Key_F4));
    MenuItemSlovo = item(ekni1, "MenuItemSlovo", "Slovo", QKeySequence(Qt::Key_F5));
    QAction* last1 = item(ekni1, "Last1", "Last", QKeySequence(Qt::Key_F6));
    QAction* stop1 = item(ekni1, "Stop1", "Stop", QKeySequence(Qt::Key_F8));
    ekni1->addSeparator();
    CistCesky = item(ekni1, "CistCesky", "Číst česky (čísla, zkratky, data)", {});
    CistCesky->setCheckable(true);  // the design's reading stays the default

    QMenu* help = menuBar()->addMenu(QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("Help1"));
    QAction* about1 = item(help, "About1", "About", {});

    connect(otevt1, &QAction::triggered, this, [this] { Guarded([this] { Otevt1Click(); }); });
    connect(exit1, &QAction::triggered, this, [this] { Guarded([this] { Exit1Click(); }); });
    connect(rekni, &QAction::triggered, this,
            [this, rekni] { Guarded([&] { ButtonSayMemoSayClick(rekni); }); });
    connect(MenuItemSlovo, &QAction::triggered, this,
            [this] { Guarded([this] { ButtonSayMemoSayClick(MenuItemSlovo); }); });
    connect(last1, &QAction::triggered, this, [this] { Guarded([this] { Last1Click(); }); });
    connect(stop1, &QAction::triggered, this, [this] { Guarded([this] { ButtonStopClick(); }); });
    connect(about1, &QAction::triggered, this, [this] { Guarded([this] { About1Click(); }); });
}

QFrame* TFormSayText::BuildPanel1() {
    Panel1 = MakeLoweredPanel(this, "Panel1");
    auto* layout = new QVBoxLayout(Panel1);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);

    Panel3 = new QWidget(Panel1);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setFixedHeight(kPanel3Height);
    auto* buttons = new QHBoxLayout(Panel3);
    buttons->setContentsMargins(2, 2, 2, 2);
    buttons->setSpacing(2);
    const auto button = [this](const char* name, const char* caption) {
        auto* b = new QPushButton(Text(caption), Panel3);
        b->setObjectName(QString::fromLatin1(name));
        b->setFixedSize(42, 24);
        return b;
    };
    ButtonSayMemoSay = button("ButtonSayMemoSay", "Řekni");
    ButtonSayMemoSay->setDefault(true);
    ButtonStop = button("ButtonStop", "Stop");
    ButtonSlovo = button("ButtonSlovo", "Slovo");
    LabelSay = MakeLabel(Panel3, "LabelSay", "-");
    LabelSay->setFixedSize(219, 18);
    LabelSay->setWordWrap(true);
    QFont sayFont = LabelSay->font();
    sayFont.setPixelSize(13);
    LabelSay->setFont(sayFont);
    buttons->addWidget(ButtonSayMemoSay);
    buttons->addWidget(ButtonStop);
    buttons->addWidget(ButtonSlovo);
    buttons->addSpacing(6);
    buttons->addWidget(LabelSay);
    buttons->addStretch(1);
    layout->addWidget(Panel3);

    MemoSay = new QPlainTextEdit(Panel1);
    MemoSay->setObjectName(QStringLiteral("MemoSay"));
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setStyleHint(QFont::Monospace);
    MemoSay->setFont(fixed);
    MemoSay->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MemoSay->setPlainText(SampleText());
    MemoSay->setFocus();
    layout->addWidget(MemoSay, 1);

    StatusLabel = MakeLabel(Panel1, "StatusLabel", "Status : Ok");
    StatusLabel->setAlignment(Qt::AlignCenter);
    layout->addWidget(StatusLabel);
    return Panel1;
}

QFrame* TFormSayText::BuildPanel2() {
    Panel2 = MakeLoweredPanel(this, "Panel2");
    auto* layout = new QVBoxLayout(Panel2);
    layout->setContentsMargins(2, 2, 2, 2);
    PageControl1 = new QTabWidget(Panel2);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->addTab(BuildTabSheet1(), QStringLiteral("Jak se hejbe reprák"));
    PageControl1->addTab(BuildTabSheet3(), QStringLiteral("Nastavení hlasu"));
    PageControl1->addTab(BuildTabSheet4(), QStringLiteral("Výslovnost"));
    PageControl1->addTab(BuildTabSheet2(), QStringLiteral("Lálálá"));
    PageControl1->addTab(BuildTabSheet5(), QStringLiteral("Echo"));
    PageControl1->setCurrentIndex(0);
    Vlny = MakeCheckBox(PageControl1, "Vlny", "Vlny", true);
    PageControl1->setCornerWidget(Vlny, Qt::TopRightCorner);
    layout->addWidget(PageControl1);
    return Panel2;
}

QWidget* TFormSayText::BuildTabSheet1() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet1"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    IM = new TWaveDisplay(page);
    IM->setObjectName(QStringLiteral("IM"));
    layout->addWidget(IM);
    LPP = MakeLabel(IM, "LPP", "Wave stream size : 0 Kb");
    LPP->setAttribute(Qt::WA_TranslucentBackground);
    QPalette silver = LPP->palette();
    silver.setColor(QPalette::WindowText, QColor(192, 192, 192));
    LPP->setPalette(silver);
    LPP->move(4, 2);
    LPP->setMinimumWidth(
        LPP->fontMetrics().horizontalAdvance(QStringLiteral("Stream size : 99999 kb")));
    return page;
}

QWidget* TFormSayText::BuildTabSheet3() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet3"));
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);

    RychlostHlasu = MakeSlider(page, "RychlostHlasu", 1, 250, 120, 1);
    RychlostLabel = MakeLabel(page, "RychlostLabel", "0");
    VyskaIntonace = MakeSlider(page, "VyskaIntonace", -100, 100, 0, 2);
    Label1 = MakeLabel(page, "Label1", "0");
    Volume = MakeSlider(page, "Volume", 0, 63750, 50000, 1000);
    HlasitostL = MakeLabel(page, "HlasitostL", "0");
    AddSliderRow(grid, 0, 0, MakeLabel(page, "Label2", "Rychlost"), RychlostHlasu, RychlostLabel);
    AddSliderRow(grid, 1, 0, MakeLabel(page, "Label3", "Výška"), VyskaIntonace, Label1);
    AddSliderRow(grid, 2, 0, MakeLabel(page, "Label4", "Hlasitost"), Volume, HlasitostL);
    HlasitostL->setMinimumWidth(
        HlasitostL->fontMetrics().horizontalAdvance(QStringLiteral("63750")));

    RandomLen = MakeSlider(page, "RandomLen", 1, 50, 15, 1);
    RandomLen->setSingleStep(3);
    RandomLen->setPageStep(0);
    RandomLenLabel = MakeLabel(page, "RandomLenLabel", "1/6");
    TrackSaySpaceLen = MakeSlider(page, "TrackSaySpaceLen", 0, 300, 50, 10);
    LabelSaySpaceLen = MakeLabel(page, "LabelSaySpaceLen", "50");
    TeckaLen = MakeSlider(page, "TeckaLen", 0, 650, 500, 10);
    Tecka = MakeLabel(page, "Tecka", "500");
    AddSliderRow(grid, 0, 3, MakeLabel(page, "Label9", "Random len :"), RandomLen, RandomLenLabel);
    AddSliderRow(grid, 1, 3, MakeLabel(page, "Label10", "Délka prodlevy (mezera)"),
                 TrackSaySpaceLen, LabelSaySpaceLen);
    AddSliderRow(grid, 2, 3, MakeLabel(page, "TeckaX", "Délka prodlevy ( . a , )"), TeckaLen,
                 Tecka);

    // Wide enough to be moved at the window's smallest size.
    for (QSlider* slider :
         {RychlostHlasu, VyskaIntonace, Volume, RandomLen, TrackSaySpaceLen, TeckaLen}) {
        slider->setMinimumWidth(kLeastSliderWidth);
    }

    TypHlasu = new QGroupBox(QStringLiteral("Typ hlasu ( transpose )"), page);
    TypHlasu->setObjectName(QStringLiteral("TypHlasu"));
    typHlasuItems_ = new QButtonGroup(TypHlasu);
    auto* items = new QGridLayout(TypHlasu);
    items->setContentsMargins(6, 2, 6, 2);
    items->setVerticalSpacing(0);
    for (int i = 0; i < static_cast<int>(kVoiceTypes.size()); ++i) {
        auto* radio =
            new QRadioButton(Text(kVoiceTypes[static_cast<std::size_t>(i)].caption), TypHlasu);
        typHlasuItems_->addButton(radio, i);
        items->addWidget(radio, i % 3, i / 3);
    }
    typHlasuItems_->button(kDesignVoiceType)->setChecked(true);

    IntonaceCheckBox = MakeCheckBox(page, "IntonaceCheckBox", "Intonace", false);
    IntonaceLinear = MakeCheckBox(page, "IntonaceLinear", "Lineární", false);
    auto* voice = new QVBoxLayout;
    voice->setSpacing(0);
    voice->addWidget(TypHlasu);
    auto* intonation = new QHBoxLayout;
    intonation->addWidget(IntonaceCheckBox);
    intonation->addWidget(IntonaceLinear);
    voice->addLayout(intonation);
    grid->addLayout(voice, 0, 6, 3, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(4, 1);
    grid->setRowStretch(3, 1);
    return page;
}

QWidget* TFormSayText::BuildTabSheet4() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet4"));
    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(0, 0, 4, 0);

    MemoSlovnik = new QPlainTextEdit(page);
    MemoSlovnik->setObjectName(QStringLiteral("MemoSlovnik"));
    MemoSlovnik->setFixedWidth(217);
    MemoSlovnik->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    layout->addWidget(MemoSlovnik);

    auto* right = new QVBoxLayout;
    right->addWidget(MakeLabel(page, "Label5", "( Slovo = řekni )"));
    auto* tones = new QGridLayout;
    tones->setVerticalSpacing(0);
    TrackTon = MakeSlider(page, "TrackTon", -12, 12, 0, 1);
    LabelTon = MakeLabel(page, "LabelTon", "0");
    TrackTonLo = MakeSlider(page, "TrackTonLo", -50, 50, 0, 1);
    LabelTonLo = MakeLabel(page, "LabelTonLo", "0");
    TrackTonHi = MakeSlider(page, "TrackTonHi", -40, 10, 0, 1);
    LabelTonHi = MakeLabel(page, "LabelTonHi", "0");
    const std::array<std::pair<QSlider*, QLabel*>, 3> toneRows = {
        {{TrackTon, LabelTon}, {TrackTonLo, LabelTonLo}, {TrackTonHi, LabelTonHi}}};
    for (int row = 0; row < 3; ++row) {
        const auto [slider, label] = toneRows[static_cast<std::size_t>(row)];
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("-50")));
        slider->setMinimumWidth(160);
        tones->addWidget(slider, row, 0);
        tones->addWidget(label, row, 1);
        developerControls_ << slider << label;
    }
    ButtonSet = new QPushButton(QStringLiteral("ButtonSet"), page);
    ButtonSet->setObjectName(QStringLiteral("ButtonSet"));
    tones->addWidget(ButtonSet, 0, 2);
    VypisVln = MakeCheckBox(page, "VypisVln", "Vypis hodnot repro v 16 bitech", false);
    tones->addWidget(VypisVln, 1, 2, 1, 2);
    right->addLayout(tones);
    right->addStretch(1);
    layout->addLayout(right, 1);

    ListBox1 = new QListWidget(page);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setUniformItemSizes(true);
    layout->addWidget(ListBox1, 1);
    developerControls_ << ButtonSet << VypisVln << ListBox1;
    return page;
}

QWidget* TFormSayText::BuildTabSheet2() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet2"));
    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(0, 0, 4, 0);

    // The keyboard and its labels at their pixel places.
    auto* keyboard = new QWidget(page);
    keyboard->setFixedSize(400, 140);
    QLabel* label14 = MakeLabel(keyboard, "Label14", "Co přehrát");
    label14->move(13, 14);
    Zpev = new QLineEdit(QStringLiteral("ó"), keyboard);
    Zpev->setObjectName(QStringLiteral("Zpev"));
    Zpev->setGeometry(90, 10, 200, 24);
    BuildPianoKeys(keyboard);
    QLabel* label15 = MakeLabel(keyboard, "Label15", "Najde se ladič - pian ?");
    label15->move(13, kPianoKeyTop + kWhiteKeyHeight + 4);
    layout->addWidget(keyboard, 0, Qt::AlignTop);

    auto* hidden = new QGridLayout;
    hidden->setVerticalSpacing(1);
    ZDisku = MakeCheckBox(page, "ZDisku",
                          "Hlasové vzory z disku (pokud není zaškrtnuto použijou se vzorky z exe)",
                          false);
    QLabel* label8 = MakeLabel(page, "Label8", "Kde jsou hlasové vzorky");
    Path = new QLineEdit(QStringLiteral(".\\vemira\\22050"), page);
    Path->setObjectName(QStringLiteral("Path"));
    QLabel* label11 = MakeLabel(page, "Label11",
                                "Vzorky jsou soubory a.wav, b.wav, ... (22050 Hz, 16 bitů, mono).");
    label11->setWordWrap(true);
    Direct = MakeCheckBox(page, "Direct", "Zpracovat celou větu najednou (do 250 znaků)", false);
    Repetice = MakeCheckBox(page, "Repetice", "", false);
    Repetice->setToolTip(QStringLiteral("Repeat"));
    QLabel* label12 = MakeLabel(page, "Label12", "Last text :");
    LastText = MakeLabel(page, "LastText", "LastText");
    LastText->setMinimumWidth(40);
    LastText->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    hidden->addWidget(ZDisku, 0, 0, 1, 3);
    hidden->addWidget(label8, 1, 0);
    hidden->addWidget(Path, 1, 1, 1, 2);
    hidden->addWidget(label11, 2, 0, 1, 3);
    hidden->addWidget(Direct, 3, 0, 1, 3);
    auto* last = new QHBoxLayout;
    last->setSpacing(6);
    last->addWidget(Repetice);
    last->addWidget(label12);
    last->addWidget(LastText, 1);
    hidden->addLayout(last, 4, 0, 1, 3);
    hidden->setColumnStretch(2, 1);
    hidden->setRowStretch(5, 1);
    layout->addLayout(hidden, 1);
    developerControls_ << ZDisku << label8 << Path << label11 << Direct << Repetice << label12
                       << LastText;
    return page;
}

QWidget* TFormSayText::BuildTabSheet5() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet5"));
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(6, 4, 6, 4);
    EchoTabs = MakeSlider(page, "EchoTabs", 0, 3, 2, 1);
    Echo = MakeSlider(page, "Echo", 0, 20000, 2000, 500);
    EchoVol = MakeSlider(page, "EchoVol", 0, 100, 5, 1);
    for (QSlider* slider : {EchoTabs, Echo, EchoVol}) {
        slider->setFocusPolicy(Qt::ClickFocus);  // skipped by the Tab key
        slider->setMinimumWidth(320);
    }
    AddSliderRow(grid, 0, 0, MakeLabel(page, "Label13", "Echo tapes"), EchoTabs, nullptr);
    AddSliderRow(grid, 1, 0, MakeLabel(page, "Label6", "Echo delay"), Echo, nullptr);
    AddSliderRow(grid, 2, 0, MakeLabel(page, "Label7", "Echo volume"), EchoVol, nullptr);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(3, 1);
    return page;
}

void TFormSayText::ShowDeveloperControls(bool shown) {
    for (QWidget* control : developerControls_) {
        control->setVisible(shown);
    }
}

void TFormSayText::ConnectHandlers() {
    using THandler = void (TFormSayText::*)();
    const auto on = [this](THandler handler) {
        return [this, handler] { Guarded([&] { (this->*handler)(); }); };
    };
    connect(RychlostHlasu, &QSlider::valueChanged, this, on(&TFormSayText::RychlostHlasuChange));
    connect(VyskaIntonace, &QSlider::valueChanged, this, on(&TFormSayText::VyskaIntonaceChange));
    connect(Volume, &QSlider::valueChanged, this, on(&TFormSayText::VolumeChange));
    connect(RandomLen, &QSlider::valueChanged, this, on(&TFormSayText::RandomLenChange));
    connect(TrackSaySpaceLen, &QSlider::valueChanged, this,
            on(&TFormSayText::TrackSaySpaceLenChange));
    connect(TeckaLen, &QSlider::valueChanged, this, on(&TFormSayText::TeckaLenChange));
    connect(EchoTabs, &QSlider::valueChanged, this, on(&TFormSayText::EchoTabsChange));
    connect(Echo, &QSlider::valueChanged, this, on(&TFormSayText::EchoChange));
    connect(EchoVol, &QSlider::valueChanged, this, on(&TFormSayText::EchoVolChange));
    connect(TrackTon, &QSlider::valueChanged, this, on(&TFormSayText::TrackTonChange));
    connect(TrackTonLo, &QSlider::valueChanged, this, on(&TFormSayText::TrackTonLoChange));
    connect(TrackTonHi, &QSlider::valueChanged, this, on(&TFormSayText::TrackTonHiChange));
    connect(typHlasuItems_, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked) {
            Guarded([this] { TypHlasuClick(); });
        }
    });
    connect(IntonaceCheckBox, &QCheckBox::toggled, this, on(&TFormSayText::IntonaceCheckBoxClick));
    connect(IntonaceLinear, &QCheckBox::toggled, this, on(&TFormSayText::IntonaceLinearClick));
    connect(ButtonSet, &QPushButton::clicked, this, on(&TFormSayText::ButtonSetClick));

    for (QPushButton* say : {ButtonSayMemoSay, ButtonSlovo}) {
        connect(say, &QPushButton::clicked, this,
                [this, say] { Guarded([&] { ButtonSayMemoSayClick(say); }); });
    }
    connect(ButtonStop, &QPushButton::clicked, this, on(&TFormSayText::ButtonStopClick));
    connect(TimerRepeat, &QTimer::timeout, this, on(&TFormSayText::TimerRepeatTimer));
}

void TFormSayText::StoreProperties() {
    using S = TFormStorage;
    const auto slider = [](QSlider* s) {
        return S::TInteger{{[s] { return s->value(); }, [s](const int& v) { s->setValue(v); }}};
    };
    const auto checkBox = [](QCheckBox* c) {
        return S::TBoolean{
            {[c] { return c->isChecked(); }, [c](const bool& v) { c->setChecked(v); }}};
    };
    const auto lines = [](QPlainTextEdit* memo) {
        return S::TLines{{[memo] { return MemoLines(memo->toPlainText()); },
                          [memo](const QStringList& v) { memo->setPlainText(v.join(u'\n')); }}};
    };
    S& storage = formStorage_;
    storage.Add(QStringLiteral("MemoSay.Lines"), lines(MemoSay));
    storage.Add(QStringLiteral("PageControl1.ActivePage"),
                S::TPage{{[this] { return PageControl1->currentWidget()->objectName(); },
                          [this](const QString& name) {
                              for (int i = 0; i < PageControl1->count(); ++i) {
                                  if (PageControl1->widget(i)->objectName().compare(
                                          name, Qt::CaseInsensitive) == 0) {
                                      PageControl1->setCurrentIndex(i);
                                  }
                              }
                          }}});
    storage.Add(QStringLiteral("RychlostHlasu.Position"), slider(RychlostHlasu));
    storage.Add(QStringLiteral("Vlny.Checked"), checkBox(Vlny));
    storage.Add(QStringLiteral("Volume.Position"), slider(Volume));
    storage.Add(QStringLiteral("VyskaIntonace.Position"), slider(VyskaIntonace));
    storage.Add(QStringLiteral("MemoSlovnik.Lines"), lines(MemoSlovnik));
    storage.Add(QStringLiteral("RandomLen.Position"), slider(RandomLen));
    storage.Add(QStringLiteral("TrackSaySpaceLen.Position"), slider(TrackSaySpaceLen));
    storage.Add(QStringLiteral("Panel1.Height"),
                S::TInteger{{[this] { return Panel1->height(); },
                             [this](const int& height) {
                                 const QList<int> sizes = Splitter1->sizes();
                                 const int total = sizes.value(0) + sizes.value(1);
                                 const int top = std::clamp(height, 0, total);
                                 Splitter1->setSizes({top, total - top});
                             }}});
    storage.Add(QStringLiteral("TeckaLen.Position"), slider(TeckaLen));
    storage.Add(
        QStringLiteral("TypHlasu.ItemIndex"),
        S::TInteger{{[this] { return typHlasuItems_->checkedId(); },
                     [this](const int& index) {
                         const int item =
                             std::clamp(index, -1, static_cast<int>(kVoiceTypes.size()) - 1);
                         if (item >= 0) {
                             typHlasuItems_->button(item)->setChecked(true);
                         } else if (QAbstractButton* checked = typHlasuItems_->checkedButton()) {
                             typHlasuItems_->setExclusive(false);
                             checked->setChecked(false);
                             typHlasuItems_->setExclusive(true);
                         }
                     }}});
    storage.Add(QStringLiteral("TrackTon.Position"), slider(TrackTon));
    storage.Add(QStringLiteral("TrackTonLo.Position"), slider(TrackTonLo));
    storage.Add(QStringLiteral("Zpev.Text"),
                S::TString{{[this] { return Zpev->text(); },
                            [this](const QString& text) { Zpev->setText(text); }}});
    storage.Add(QStringLiteral("IntonaceCheckBox.Checked"), checkBox(IntonaceCheckBox));
    storage.Add(QStringLiteral("IntonaceLinear.Checked"), checkBox(IntonaceLinear));
    storage.Add(QStringLiteral("CistCesky.Checked"),
                S::TBoolean{{[this] { return CistCesky->isChecked(); },
                             [this](const bool& v) { CistCesky->setChecked(v); }}});
}

void TFormSayText::RychlostHlasuChange() {
    const int percent = RychlostHlasu->value() - 10;
    RychlostLabel->setText(QString::number(percent) + u'%');
    if (SayTextInstance) {
        SayTextInstance->SpeedPercent = percent;
    }
    Settings.SpeedFactor = percent / 100.0;
}

void TFormSayText::VyskaIntonaceChange() {
    Label1->setText(QString::number(VyskaIntonace->value()));
    Settings.PitchShift = VyskaIntonace->value();
}

void TFormSayText::VolumeChange() {
    HlasitostL->setText(QString::number(Volume->value()));
    Settings.OutputVolume = Volume->value();
}

void TFormSayText::RandomLenChange() {
    Settings.RandomLength = RandomLen->value();
    RandomLenLabel->setText(QStringLiteral("1/") + QString::number(RandomLen->value()));
}

void TFormSayText::TrackSaySpaceLenChange() {
    Settings.WordSpaceLength = TrackSaySpaceLen->value();
    LabelSaySpaceLen->setText(QString::number(TrackSaySpaceLen->value()));
}

void TFormSayText::TeckaLenChange() {
    Settings.PeriodPauseLength = TeckaLen->value();
    Tecka->setText(QString::number(TeckaLen->value()));
}

void TFormSayText::EchoTabsChange() {
    Settings.EchoTracks = EchoTabs->value();
}

void TFormSayText::EchoChange() {
    if (EngineReachable()) {
        SetSayParam(static_cast<std::uint8_t>(TSayParam::EchoDelay), std::int64_t{Echo->value()});
    }
}

void TFormSayText::EchoVolChange() {
    if (EngineReachable()) {
        SetSayParam(static_cast<std::uint8_t>(TSayParam::EchoVolume),
                    std::int64_t{EchoVol->value()});
    }
}

void TFormSayText::TrackTonChange() {
    LabelTon->setText(QString::number(TrackTon->value()));
}

void TFormSayText::TrackTonLoChange() {
    LabelTonLo->setText(QString::number(TrackTonLo->value()));
}

void TFormSayText::TrackTonHiChange() {
    LabelTonHi->setText(QString::number(TrackTonHi->value()));
}

void TFormSayText::TypHlasuClick() {
    const int item = typHlasuItems_->checkedId();
    if (item < 0 || item >= static_cast<int>(kVoiceTypes.size())) {
        return;
    }
    VyskaIntonace->setValue(kVoiceTypes[static_cast<std::size_t>(item)].pitch);
    Settings.PitchShift = VyskaIntonace->value();
}

void TFormSayText::IntonaceCheckBoxClick() {
    Settings.IntonationOn = IntonaceCheckBox->isChecked();
}

void TFormSayText::IntonaceLinearClick() {
    Settings.IntonationLinear = IntonaceLinear->isChecked();
}

void TFormSayText::ButtonSetClick() {
    const auto entry = static_cast<std::size_t>(TrackTon->value() + 12);
    Settings.ToneTableLo.at(entry) = TrackTonLo->value();
    Settings.ToneTableHi.at(entry) = TrackTonHi->value();
}

void TFormSayText::ShowError(const QString& message) {
    statusBar()->showMessage(message);
}

void TFormSayText::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (restoredOnce_ || event->spontaneous()) {
        return;
    }
    restoredOnce_ = true;
    Guarded(
        [this] { formStorage_.Restore([this](const QString& message) { ShowError(message); }); });
}

void TFormSayText::closeEvent(QCloseEvent* event) {
    Guarded([this] {
        std::string error;
        std::string note;
        if (!formStorage_.Save(false, error, &note)) {
            std::fprintf(stderr, "vokadlo: %s\n", error.c_str());
        }
        if (!note.empty()) {
            std::fprintf(stderr, "vokadlo: %s\n", note.c_str());
        }
    });
    // Stops the sound and finalises the engine.
    session_.reset();
    event->accept();
}

void TFormSayText::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    const QSize least = event->size().expandedTo(minimumSizeHint());
    if (least == event->size() || isMinimized()) {
        growBacks_ = 0;
    } else if (growBacks_ < kMostGrowBacks) {
        // Asked again only a few times: a window manager that insists is not fought forever.
        ++growBacks_;
        QTimer::singleShot(0, this, [this] { resize(size().expandedTo(minimumSizeHint())); });
    }
}

void TFormSayText::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

}  // namespace vokadlo

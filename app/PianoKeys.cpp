#include "app/PianoKeys.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

#include "app/FormSayText.h"
#include "core/CodePage.h"
#include "core/ParseInt.h"
#include "engine/OrvTts.h"

namespace vokadlo {

std::string ToneTag(const QString& keyName) {
    if (keyName.isEmpty()) {
        return {};
    }
    const std::string digits = keyName.mid(1, 2).toStdString();
    if (keyName.front() == u'T') {
        return "\\ton=" + digits + "\\";
    }
    if (keyName.front() == u'D') {
        std::int32_t note = 0;
        if (!TryParseInt32("-" + digits, note)) {
            throw EConvertError("'-" + digits + "' is not a valid integer value");
        }
        return "\\ton=" + std::to_string(note) + "\\";
    }
    return {};
}

void TFormSayText::BuildPianoKeys(QWidget* keyboard) {
    // White keys first, so that the black ones lie on top of them.
    for (const bool black : {false, true}) {
        for (const TPianoKey& key : kPianoKeys) {
            if (key.black != black) {
                continue;
            }
            auto* button = new QPushButton(keyboard);
            button->setObjectName(QString::fromLatin1(key.name));
            button->setGeometry(key.left, kPianoKeyTop, black ? kBlackKeyWidth : kWhiteKeyWidth,
                                black ? kBlackKeyHeight : kWhiteKeyHeight);
            button->setFocusPolicy(Qt::TabFocus);
            button->setEnabled(key.playable);
            button->setStyleSheet(
                black
                    ? QStringLiteral("QPushButton { background: #202020; border: 1px solid #000; }"
                                     "QPushButton:pressed { background: #606060; }"
                                     "QPushButton:disabled { background: #808080; }")
                    : QStringLiteral(
                          "QPushButton { background: #ffffff; border: 1px solid #707070; }"
                          "QPushButton:pressed { background: #d0d0d0; }"
                          "QPushButton:disabled { background: #e8e8e8; }"));
            if (key.playable) {
                connect(button, &QPushButton::clicked, this,
                        [this, button] { Guarded([&] { T0Click(button); }); });
            }
        }
    }
}

void TFormSayText::T0Click(QObject* key) {
    if (!EngineReachable() || !key) {
        return;
    }
    VyskaIntonace->setValue(0);
    const std::string tag = ToneTag(key->objectName());
    Say(tag + Utf8ToCp1250(Zpev->text().toUtf8().toStdString()));
}

}  // namespace vokadlo

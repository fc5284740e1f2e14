#include "app/MessageNotice.h"

#include <QMessageBox>

#include "core/CodePage.h"

namespace vokadlo {

void TMessageNotice::Show(const std::string& text) {
    QMessageBox::warning(parent_, QStringLiteral("vokadlo"),
                         QString::fromStdString(Cp1250ToUtf8(text)));
}

QString MessageText(const std::string& message) {
    return QString::fromStdString(IsValidUtf8(message) ? message : Cp1250ToUtf8(message));
}

}  // namespace vokadlo

#include "shell/date_mask.h"

#include "shell/funcoes.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace {

class DateMask : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        // Only characters are filtered; arrows, Delete, Tab and the like pass.
        if (key->text().isEmpty() || key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
            return false;
        int code = key->key() == Qt::Key_Backspace ? 8 : key->text().at(0).unicode();
        MascaraData(code, static_cast<QLineEdit*>(watched));
        return code == 0;
    }
};

} // namespace

void installDateMask(QLineEdit* box) {
    box->setMaxLength(10);
    box->installEventFilter(new DateMask(box));
}

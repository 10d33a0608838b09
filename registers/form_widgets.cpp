#include "registers/form_widgets.h"

#include "platform/text_limits.h"
#include "shell/data_form.h"

#include <QApplication>
#include <QBoxLayout>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTimer>

namespace formwidgets {

namespace {

class SelectOnEntry : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) {
            // After the click that gave the focus, which would place the caret,
            // while the box still has it.
            auto* box = static_cast<QLineEdit*>(watched);
            QTimer::singleShot(0, box, [box] {
                if (box->hasFocus())
                    DataForm::selectWhole(box);
            });
        }
        return false;
    }
};

// The scroll area of a panel comes and goes with the panel.
class FollowPanel : public QObject {
public:
    explicit FollowPanel(QScrollArea* area) : QObject(area), area_(area) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::ShowToParent) {
            area_->show();
            area_->raise();
        } else if (event->type() == QEvent::HideToParent) {
            area_->hide();
        }
        return false;
    }

private:
    QScrollArea* area_;
};

// Makes `box` exactly wide enough to show `text` whole in its font.
void fitToText(QLineEdit* box, const QString& text) {
    // As the box measures its own size hint: text, inner margins, frame.
    QStyleOptionFrame option;
    option.initFrom(box);
    option.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    const QFontMetrics metrics(box->font());
    const QMargins margins = box->textMargins();
    constexpr int innerMargin = 2; // each side, beside the text margins
    const int width = metrics.horizontalAdvance(text) + 2 * innerMargin + margins.left() +
                      margins.right() + 1; // the caret after the last character
    box->setFixedWidth(
        box->style()
            ->sizeFromContents(QStyle::CT_LineEdit, &option, QSize(width, metrics.height()), box)
            .width());
}

// The character of `from` that `metrics` draws widest.
QChar widest(const QFontMetrics& metrics, const QString& from) {
    QChar out = from.at(0);
    for (QChar c : from) {
        if (metrics.horizontalAdvance(c) > metrics.horizontalAdvance(out))
            out = c;
    }
    return out;
}

} // namespace

QLineEdit* box(QWidget* parent, const char* name, int maxLength, int chars) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    if (maxLength > 0)
        textlimits::setMaxLength(edit, maxLength);
    const QFontMetrics metrics(edit->font());
    edit->setFixedWidth(metrics.averageCharWidth() * chars + 12);
    // A text the program puts in shows its beginning, as a longer name would
    // otherwise show only its end.
    QObject::connect(edit, &QLineEdit::textChanged, edit, [edit] {
        if (!edit->hasFocus() && !edit->isModified())
            edit->setCursorPosition(0);
    });
    return edit;
}

QLineEdit* documentBox(QWidget* parent, const char* name, int maxLength) {
    QLineEdit* edit = box(parent, name, maxLength, 0);
    const QFontMetrics metrics(edit->font());
    // Twelve letters or digits, two check digits.
    const QChar any = widest(metrics, QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"));
    const QChar digit = widest(metrics, QStringLiteral("0123456789"));
    fitToText(edit, QString(2, any) + u'.' + QString(3, any) + u'.' + QString(3, any) + u'/' +
                        QString(4, any) + u'-' + QString(2, digit));
    return edit;
}

QLineEdit* amountBox(QWidget* parent, const char* name) {
    QLineEdit* edit = box(parent, name, 0, 0);
    // Thirteen whole digits, grouped, and two decimals.
    const QString d(1, widest(QFontMetrics(edit->font()), QStringLiteral("0123456789")));
    fitToText(edit, u'-' + d + (u'.' + d.repeated(3)).repeated(4) + u',' + d.repeated(2));
    return edit;
}

QPlainTextEdit* memo(QWidget* parent, const char* name) {
    auto* edit = new QPlainTextEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setTabChangesFocus(true);
    // Every memo keeps a TEXT column.
    textlimits::limitBytes(edit);
    const QFontMetrics metrics(edit->font());
    edit->setFixedHeight(metrics.lineSpacing() * 3 + 12);
    return edit;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

QPushButton* pickerButton(QWidget* parent, const char* name, const QString& caption) {
    QPushButton* b = button(parent, name, caption);
    b->setFocusPolicy(Qt::ClickFocus);
    return b;
}

void addLabelled(QBoxLayout* row, QWidget* parent, const QString& label, QWidget* box,
                 int stretch) {
    auto* column = new QVBoxLayout;
    column->setSpacing(2);
    auto* caption = new QLabel(label, parent);
    caption->setBuddy(box);
    column->addWidget(caption);
    column->addWidget(box);
    if (stretch > 0) {
        box->setMaximumWidth(QWIDGETSIZE_MAX);
        box->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    }
    row->addLayout(column, stretch);
}

void selectAllOnEntry(QLineEdit* box) {
    box->installEventFilter(new SelectOnEntry(box));
}

void setDisplayOnly(QLineEdit* box) {
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
}

void chainTabOrder(const QList<QWidget*>& widgets) {
    for (qsizetype i = 1; i < widgets.size(); ++i)
        QWidget::setTabOrder(widgets.at(i - 1), widgets.at(i));
}

QScrollArea* scrollingPanel(QWidget* panel) {
    const bool shown = !panel->isHidden();
    auto* area = new QScrollArea(panel->parentWidget());
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    // Opaque, so that a repaint (a window greyed while busy) skips whatever
    // the area covers, such as a list it is laid over.
    area->setAutoFillBackground(true);
    area->setWidget(panel);
    panel->setVisible(shown);
    area->setVisible(shown);
    panel->installEventFilter(new FollowPanel(area));
    QObject::connect(qApp, &QApplication::focusChanged, area,
                     [area, panel](QWidget*, QWidget* now) {
                         if (now != nullptr && panel->isAncestorOf(now))
                             area->ensureWidgetVisible(now);
                     });
    return area;
}

} // namespace formwidgets

#include "shell/auto_resize.h"

#include <QEvent>
#include <QGroupBox>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QWidget>

namespace {

constexpr int kTwipsPerPixel = 15;

bool inLayout(const QLayout* layout, const QWidget* widget) {
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item->widget() == widget)
            return true;
        if (item->layout() != nullptr && inLayout(item->layout(), widget))
            return true;
    }
    return false;
}

bool managedByLayout(const QWidget* widget) {
    const QWidget* parent = widget->parentWidget();
    if (parent == nullptr)
        return false;
    // A main window places every widget of its own: bars, docks, the centre.
    if (qobject_cast<const QMainWindow*>(parent) != nullptr)
        return true;
    return parent->layout() != nullptr && inLayout(parent->layout(), widget);
}

// Controls whose children are controls of the window too; the children of
// any other widget belong to that widget (a combo box's line edit, a list's
// scroll bars) and are left to it.
QList<QWidget*> childWidgets(QWidget* widget) {
    QList<QWidget*> out;
    for (QObject* child : widget->children()) {
        if (auto* w = qobject_cast<QWidget*>(child); w != nullptr && !w->isWindow())
            out << w;
    }
    return out;
}

QList<QWidget*> innerControls(QWidget* widget) {
    QList<QWidget*> out;
    if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
        for (int i = 0; i < tabs->count(); ++i)
            out << tabs->widget(i);
    } else if (auto* stack = qobject_cast<QStackedWidget*>(widget)) {
        for (int i = 0; i < stack->count(); ++i)
            out << stack->widget(i);
    } else if (widget->metaObject() == &QWidget::staticMetaObject ||
               widget->metaObject() == &QFrame::staticMetaObject ||
               qobject_cast<QGroupBox*>(widget) != nullptr) {
        out = childWidgets(widget);
    }
    return out;
}

bool skipped(const QWidget* widget) {
    if (widget->property("Tag").toString() == QLatin1String("NO"))
        return true;
    if (qobject_cast<const QMenuBar*>(widget) != nullptr)
        return true;
    // A docked status bar keeps to its edge.
    return qobject_cast<const QStatusBar*>(widget) != nullptr && managedByLayout(widget);
}

void collect(const QList<QWidget*>& controls, std::vector<QWidget*>& out) {
    for (QWidget* w : controls) {
        if (skipped(w))
            continue;
        out.push_back(w);
        collect(innerControls(w), out);
    }
}

} // namespace

AutoResize::AutoResize(QWidget* host) : QObject(host), host_(host) {
    setObjectName(QStringLiteral("Resize"));
    host_->installEventFilter(this);
    if (host_->isVisible())
        record();
}

AutoResize* AutoResize::attach(QWidget* host) {
    return new AutoResize(host);
}

void AutoResize::setKeepAspectRatio(bool on) {
    keepAspectRatio_ = on;
    const QSize outer = outerSize();
    aspectRatioValue_ = on && outer.width() > 0 ? double(outer.height()) / outer.width() : 0;
}

QSize AutoResize::outerSize() const {
    return host_->isWindow() ? host_->frameGeometry().size() : host_->size();
}

bool AutoResize::eventFilter(QObject* watched, QEvent* event) {
    if (watched == host_) {
        if (event->type() == QEvent::Show && !recorded_)
            record();
        else if (event->type() == QEvent::Resize && recorded_)
            hostResized();
    } else if (watched == surface_ && event->type() == QEvent::Resize && recorded_ && enabled_ &&
               !busy_ && !host_->isMinimized()) {
        scaleControls();
    }
    return QObject::eventFilter(watched, event);
}

void AutoResize::record() {
    records_.clear();
    auto* mainWindow = qobject_cast<QMainWindow*>(host_);
    QWidget* surface = mainWindow != nullptr && mainWindow->centralWidget() != nullptr
                           ? mainWindow->centralWidget()
                           : host_;
    if (surface_ != surface) {
        if (surface_ && surface_ != host_)
            surface_->removeEventFilter(this);
        surface_ = surface;
        if (surface_ != host_)
            surface_->installEventFilter(this);
    }
    recordedSize_ = surface_->size();

    std::vector<QWidget*> controls;
    collect(childWidgets(host_), controls);
    for (QWidget* w : controls) {
        Record r;
        r.control = w;
        r.placed = !managedByLayout(w);
        r.geometry = w->geometry();
        const QFont font = w->font();
        r.pixelFont = font.pointSizeF() <= 0;
        r.fontSize = r.pixelFont ? font.pixelSize() : font.pointSizeF();
        records_.push_back(r);
    }
    recorded_ = true;
}

void AutoResize::hostResized() {
    if (host_->isMinimized() || !enabled_)
        return;
    holdMinimum();
    rescale();
}

void AutoResize::holdMinimum() {
    const QSize outer = outerSize();
    const QSize frame = outer - host_->size();
    const int minHeight = hMin_ / kTwipsPerPixel;
    const int minWidth = wMin_ / kTwipsPerPixel;
    if (outer.height() < minHeight)
        host_->resize(host_->width(), minHeight - frame.height());
    if (outerSize().width() < minWidth)
        host_->resize(minWidth - frame.width(), host_->height());
}

void AutoResize::rescale() {
    if (busy_)
        return;
    const Qt::WindowStates state = host_->windowState();
    if (keepAspectRatio_ && aspectRatioValue_ > 0 &&
        !(state & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))) {
        busy_ = true;
        const QSize outer = outerSize();
        const QSize frame = outer - host_->size();
        host_->resize(host_->width(), qRound(outer.width() * aspectRatioValue_) - frame.height());
        busy_ = false;
    }
    scaleControls();
}

void AutoResize::scaleControls() {
    if (recordedSize_.width() <= 0 || recordedSize_.height() <= 0)
        return;
    const QSize now = surface_->size();
    const double sx = double(now.width()) / recordedSize_.width();
    const double sy = double(now.height()) / recordedSize_.height();
    const double f = sx < sy ? sx : sy;
    for (const Record& r : records_) {
        QWidget* w = r.control;
        if (w == nullptr)
            continue;
        if (fontResizable_ && r.fontSize > 0) {
            QFont font = w->font();
            if (r.pixelFont)
                font.setPixelSize(qMax(1, qRound(f * r.fontSize)));
            else
                font.setPointSizeF(qMax(1.0, f * r.fontSize));
            if (font != w->font())
                w->setFont(font);
        }
        if (r.placed)
            w->setGeometry(qRound(sx * r.geometry.x()), qRound(sy * r.geometry.y()),
                           qRound(sx * r.geometry.width()), qRound(sy * r.geometry.height()));
    }
}

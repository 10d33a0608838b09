#include "shell/auto_resize.h"

#include <QApplication>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

// A window laid out by hand: controls at fixed places, one inside a frame.
struct PlacedHost {
    PlacedHost() {
        host.resize(600, 400);
        button = place(new QPushButton(QStringLiteral("OK"), &host), {30, 20, 120, 30});
        frame = place(new QFrame(&host), {200, 100, 300, 200});
        inner = place(new QLineEdit(frame), {10, 10, 150, 24});
        hidden = place(new QLabel(QStringLiteral("marca"), &host), {50, 300, 500, 60});
        hidden->hide();
        fixed = place(new QLabel(QStringLiteral("fixo"), &host), {5, 5, 40, 20});
        fixed->setProperty("Tag", QStringLiteral("NO"));
        QFont font = button->font();
        font.setPointSizeF(10);
        for (QWidget* w : std::initializer_list<QWidget*>{button, frame, inner, hidden, fixed})
            w->setFont(font);
        resize = new AutoResize(&host);
        host.show();
        QApplication::processEvents();
    }
    template <typename W> W* place(W* w, QRect r) {
        w->setGeometry(r);
        return w;
    }
    void resizeTo(int width, int height) {
        host.resize(width, height);
        QApplication::processEvents();
    }

    QWidget host;
    QPushButton* button;
    QFrame* frame;
    QLineEdit* inner;
    QLabel* hidden;
    QLabel* fixed;
    AutoResize* resize;
};

} // namespace

TEST(AutoResize, ScalesPlacedControlsByTheHostRatios) {
    PlacedHost h;
    EXPECT_EQ(h.resize->objectName(), QStringLiteral("Resize"));
    struct Case {
        QSize size;
        QRect button, inner, hidden;
        qreal font;
    };
    const std::vector<Case> cases = {
        // Twice the width and height: positions, sizes and fonts double.
        {{1200, 800}, {60, 40, 240, 60}, {20, 20, 300, 48}, {100, 600, 1000, 120}, 20},
        // Half as wide again: left and width grow, top, height and font stay.
        {{900, 400}, {45, 20, 180, 30}, {15, 10, 225, 24}, {75, 300, 750, 60}, 10},
        // Smaller ratio decides the font.
        {{900, 600}, {45, 30, 180, 45}, {15, 15, 225, 36}, {75, 450, 750, 90}, 15},
    };
    for (const Case& c : cases) {
        h.resizeTo(c.size.width(), c.size.height());
        EXPECT_EQ(h.button->geometry(), c.button) << c.size.width();
        EXPECT_EQ(h.inner->geometry(), c.inner) << c.size.width();
        EXPECT_EQ(h.hidden->geometry(), c.hidden) << c.size.width();
        EXPECT_DOUBLE_EQ(h.button->font().pointSizeF(), c.font) << c.size.width();
        EXPECT_DOUBLE_EQ(h.inner->font().pointSizeF(), c.font) << c.size.width();
        // Tagged "NO": left alone.
        EXPECT_EQ(h.fixed->geometry(), QRect(5, 5, 40, 20));
        EXPECT_DOUBLE_EQ(h.fixed->font().pointSizeF(), 10);
    }
}

TEST(AutoResize, RepeatedResizingDoesNotDrift) {
    PlacedHost h;
    for (const QSize s : {QSize(777, 555), QSize(1234, 987), QSize(641, 433), QSize(913, 611),
                          QSize(333, 222), QSize(1001, 701)})
        h.resizeTo(s.width(), s.height());
    h.resizeTo(600, 400);
    EXPECT_EQ(h.button->geometry(), QRect(30, 20, 120, 30));
    EXPECT_EQ(h.frame->geometry(), QRect(200, 100, 300, 200));
    EXPECT_EQ(h.inner->geometry(), QRect(10, 10, 150, 24));
    EXPECT_DOUBLE_EQ(h.inner->font().pointSizeF(), 10);
}

TEST(AutoResize, MinimumOuterSizeIsHeld) {
    PlacedHost h;
    const QSize frame = h.host.frameGeometry().size() - h.host.size();
    // 4800 x 3000 twips, frame included.
    const QSize least = QSize(320, 200) - frame;
    h.resizeTo(100, 50);
    EXPECT_EQ(h.host.size(), least);
    const double sx = least.width() / 600.0, sy = least.height() / 400.0;
    EXPECT_EQ(h.button->geometry(),
              QRect(qRound(30 * sx), qRound(20 * sy), qRound(120 * sx), qRound(30 * sy)));
    h.resizeTo(500, 120);
    EXPECT_EQ(h.host.size(), QSize(500, least.height()));

    h.resize->setWMin(9000);
    h.resizeTo(500, 300);
    EXPECT_EQ(h.host.size(), QSize(600 - frame.width(), 300));
}

TEST(AutoResize, SwitchedOffOrMinimisedLeavesControlsAlone) {
    PlacedHost h;
    h.resize->setEnabled(false);
    h.resizeTo(1200, 800);
    EXPECT_EQ(h.button->geometry(), QRect(30, 20, 120, 30));
    h.resizeTo(100, 50);
    EXPECT_EQ(h.host.size(), QSize(100, 50));

    h.resize->setEnabled(true);
    h.resize->setFontResizable(false);
    h.resizeTo(1200, 800);
    EXPECT_EQ(h.button->geometry(), QRect(60, 40, 240, 60));
    EXPECT_DOUBLE_EQ(h.button->font().pointSizeF(), 10);

    h.host.setWindowState(Qt::WindowMinimized);
    h.resizeTo(600, 400);
    EXPECT_EQ(h.button->geometry(), QRect(60, 40, 240, 60));
    h.host.setWindowState(Qt::WindowNoState);
    h.resizeTo(600, 401);
    h.resizeTo(600, 400);
    EXPECT_EQ(h.button->geometry(), QRect(30, 20, 120, 30));
}

TEST(AutoResize, AspectRatioFollowsTheWidth) {
    PlacedHost h;
    const QSize frame = h.host.frameGeometry().size() - h.host.size();
    h.resize->setKeepAspectRatio(true);
    const double ratio = double(400 + frame.height()) / (600 + frame.width());
    EXPECT_DOUBLE_EQ(h.resize->aspectRatioValue(), ratio);
    h.resizeTo(900, 400);
    const int height = qRound((900 + frame.width()) * ratio) - frame.height();
    EXPECT_EQ(h.host.size(), QSize(900, height));
    EXPECT_EQ(h.button->geometry(),
              QRect(45, qRound(20 * height / 400.0), 180, qRound(30 * height / 400.0)));
    h.resize->setKeepAspectRatio(false);
    EXPECT_EQ(h.resize->aspectRatioValue(), 0);
    h.resizeTo(900, 400);
    EXPECT_EQ(h.host.size(), QSize(900, 400));
}

TEST(AutoResize, LaidOutControlsKeepTheLayoutsGeometryAndScaleFonts) {
    QDialog host;
    auto* layout = new QVBoxLayout(&host);
    auto* box = new QLineEdit(&host);
    auto* label = new QLabel(QStringLiteral("Nome"), &host);
    layout->addWidget(label);
    layout->addWidget(box);
    QFont font = box->font();
    font.setPointSizeF(9);
    box->setFont(font);
    label->setFont(font);
    host.resize(400, 300);
    new AutoResize(&host);
    host.show();
    QApplication::processEvents();

    host.resize(800, 600);
    QApplication::processEvents();
    EXPECT_DOUBLE_EQ(box->font().pointSizeF(), 18);
    EXPECT_DOUBLE_EQ(label->font().pointSizeF(), 18);
    // The layout still spans the window.
    const QMargins m = layout->contentsMargins();
    EXPECT_EQ(box->width(), 800 - m.left() - m.right());

    host.resize(100, 100);
    QApplication::processEvents();
    EXPECT_GE(host.frameGeometry().width(), 320);
    EXPECT_GE(host.frameGeometry().height(), 200);
}

TEST(AutoResize, MainWindowScalesItsCentreAndLeavesTheStatusBar) {
    QMainWindow host;
    auto* centre = new QWidget;
    host.setCentralWidget(centre);
    auto* marker = new QPushButton(QStringLiteral("fundo"), centre);
    marker->setGeometry(75, 31, 842, 583);
    host.statusBar()->showMessage(QStringLiteral("Versão:"));
    const qreal statusFont = host.statusBar()->font().pointSizeF();
    host.resize(1000, 700);
    AutoResize::attach(&host);
    host.show();
    QApplication::processEvents();
    const QSize before = centre->size();

    host.resize(2000, 1400);
    QApplication::processEvents();
    const double sx = double(centre->width()) / before.width();
    const double sy = double(centre->height()) / before.height();
    EXPECT_EQ(marker->geometry(),
              QRect(qRound(75 * sx), qRound(31 * sy), qRound(842 * sx), qRound(583 * sy)));
    EXPECT_DOUBLE_EQ(host.statusBar()->font().pointSizeF(), statusFont);
    EXPECT_EQ(host.statusBar()->width(), 2000);
}

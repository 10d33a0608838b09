#include "platform/data_grid.h"
#include "shell/data_form.h"
#include "tests/support/qt_printers.h"
#include "tests/support/typing.h"

#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

class SampleForm : public DataForm {
public:
    SampleForm() {
        auto* layout = new QVBoxLayout(this);
        for (QWidget* w :
             std::initializer_list<QWidget*>{first, notes, second, total, grid, button})
            layout->addWidget(w);
        total->setReadOnly(true);
        connect(button, &QPushButton::clicked, this, [this] { ++clicks; });
        onLeave(first, [this] {
            ++leaves;
            events << QStringLiteral("leave first");
            if (!fill.isEmpty())
                second->setText(fill);
            if (sendTo != nullptr)
                sendTo->setFocus();
        });
        onLeave(second, [this] { events << QStringLiteral("leave second"); });
        onEnter(notes, [this] { events << QStringLiteral("enter notes"); });
    }
    QLineEdit* first = new QLineEdit;
    QPlainTextEdit* notes = new QPlainTextEdit;
    QLineEdit* second = new QLineEdit;
    QLineEdit* total = new QLineEdit;
    DataGrid* grid = new DataGrid;
    QPushButton* button = new QPushButton(QStringLiteral("Salvar"));
    int escapes = 0;
    int clicks = 0;
    int leaves = 0;
    QStringList events;
    // Where the first box's leave handler sends the focus, if anywhere.
    QWidget* sendTo = nullptr;
    // What the first box's leave handler writes into the second.
    QString fill;

protected:
    void escPressed() override { ++escapes; }
};

class DataFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.show();
        form.activateWindow();
        form.first->setFocus();
        QApplication::processEvents();
    }
    SampleForm form;
};

} // namespace

TEST_F(DataFormTest, TypedLettersBecomeCapitalsOneForOne) {
    testsupport::type(form.first, QStringLiteral("joão çá 1b"));
    EXPECT_EQ(form.first->text(), QStringLiteral("JOÃO ÇÁ 1B"));
    QInputMethodEvent im;
    im.setCommitString(QStringLiteral("ção"));
    QApplication::sendEvent(form.first, &im);
    EXPECT_EQ(form.first->text(), QStringLiteral("JOÃO ÇÁ 1BÇÃO"));
    // Letters without a one-letter capital stay as typed, never two letters.
    form.second->setFocus();
    testsupport::type(form.second, QStringLiteral("aßçéﬁ"));
    EXPECT_EQ(form.second->text(), QStringLiteral("AßÇÉﬁ"));
    QInputMethodEvent composed;
    composed.setCommitString(QStringLiteral("ßﬁé"));
    QApplication::sendEvent(form.second, &composed);
    EXPECT_EQ(form.second->text(), QStringLiteral("AßÇÉﬁßﬁÉ"));
}

TEST_F(DataFormTest, EnterMovesOnWithoutTypingIntoMultiLineBoxes) {
    QTest::keyClick(form.first, Qt::Key_Return);
    EXPECT_TRUE(form.notes->hasFocus());
    QTest::keyClick(form.notes, Qt::Key_Return);
    EXPECT_TRUE(form.second->hasFocus());
    EXPECT_TRUE(form.notes->toPlainText().isEmpty());
    EXPECT_EQ(form.leaves, 1);
}

TEST_F(DataFormTest, EscGoesToTheFormAndButtonsAreNeverDefault) {
    QTest::keyClick(form.second, Qt::Key_Escape);
    EXPECT_EQ(form.escapes, 1);
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(form.button->autoDefault());
    // Enter on a focused button presses it.
    form.button->setFocus();
    QApplication::processEvents();
    ASSERT_TRUE(form.button->hasFocus());
    QTest::keyClick(form.button, Qt::Key_Return);
    EXPECT_EQ(form.clicks, 1);
}

TEST_F(DataFormTest, LeavingCountsOnlyMovesInsideTheWindow) {
    QWidget other;
    auto* elsewhere = new QLineEdit(&other);
    other.show();
    elsewhere->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(form.leaves, 0);
    form.activateWindow();
    QApplication::processEvents();
    form.first->setFocus();
    form.second->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(form.leaves, 1);
}

TEST_F(DataFormTest, EnteringABoxRunsItsHandlerAfterTheLeavingOne) {
    QTest::keyClick(form.first, Qt::Key_Return);
    EXPECT_EQ(form.events,
              QStringList({QStringLiteral("leave first"), QStringLiteral("enter notes")}));
    // Coming from another window it is an entry all the same.
    QWidget other;
    auto* elsewhere = new QLineEdit(&other);
    other.show();
    elsewhere->setFocus();
    QApplication::processEvents();
    form.activateWindow();
    form.notes->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(form.events.size(), 3);
    EXPECT_EQ(form.events.last(), QStringLiteral("enter notes"));
}

TEST_F(DataFormTest, AMoveMadeByAHandlerLeavesNoBox) {
    // The user clicks from the first box into the second; the first box's
    // handler sends the focus on to the notes. The user never left the second
    // box, so its handler does not run; the notes are entered all the same.
    form.sendTo = form.notes;
    QTest::mouseClick(form.second, Qt::LeftButton);
    EXPECT_TRUE(form.notes->hasFocus());
    EXPECT_EQ(form.events,
              QStringList({QStringLiteral("leave first"), QStringLiteral("enter notes")}));
    // Left by the user afterwards, the second box runs its handler.
    form.events.clear();
    QTest::keyClick(form.notes, Qt::Key_Return);
    ASSERT_TRUE(form.second->hasFocus());
    QTest::keyClick(form.second, Qt::Key_Return);
    EXPECT_EQ(form.events, QStringList{QStringLiteral("leave second")});
    // A click the handler overrides does not enter the box clicked either.
    form.first->setFocus();
    form.events.clear();
    form.sendTo = form.second;
    QTest::mouseClick(form.notes->viewport(), Qt::LeftButton);
    EXPECT_TRUE(form.second->hasFocus());
    EXPECT_EQ(form.events, QStringList{QStringLiteral("leave first")});
}

TEST_F(DataFormTest, KeysPassReadOnlyBoxesAndTypingReplacesWhatTheProgramWrote) {
    // Enter and Tab go by the read-only total, both ways.
    form.second->setFocus();
    QTest::keyClick(form.second, Qt::Key_Return);
    EXPECT_TRUE(form.grid->hasFocus());
    QTest::keyClick(form.grid, Qt::Key_Backtab);
    EXPECT_TRUE(form.second->hasFocus());
    QTest::keyClick(form.second, Qt::Key_Tab);
    EXPECT_TRUE(form.grid->hasFocus());
    // Filled by the handler of the box left, after the click put the caret.
    form.first->setFocus();
    form.fill = QStringLiteral("110,00");
    QTest::mouseClick(form.second, Qt::LeftButton);
    QApplication::processEvents();
    ASSERT_TRUE(form.second->hasFocus());
    testsupport::type(form.second, QStringLiteral("120"));
    EXPECT_EQ(form.second->text(), QStringLiteral("120"));
    // Entered by the keys or put there by the program: the same.
    form.first->setText(QStringLiteral("24,00"));
    QTest::keyClick(form.second, Qt::Key_Backtab);
    QTest::keyClick(form.notes, Qt::Key_Backtab);
    ASSERT_TRUE(form.first->hasFocus());
    testsupport::type(form.first, QStringLiteral("25"));
    EXPECT_EQ(form.first->text(), QStringLiteral("25"));
    QApplication::processEvents();
    form.second->setFocus();
    testsupport::type(form.second, QStringLiteral("7"));
    EXPECT_EQ(form.second->text(), QStringLiteral("7"));
}

TEST_F(DataFormTest, BoxesLeftOrFilledShowTheirStart) {
    const QString name =
        QStringLiteral("JOSÉ DA SILVA PEREIRA DE ALBUQUERQUE E MELO SOBRINHO NETO");
    form.first->setFocus();
    testsupport::type(form.first, name);
    QApplication::processEvents();
    EXPECT_EQ(form.first->cursorPosition(), name.size());
    form.second->setFocus();
    EXPECT_EQ(form.first->cursorPosition(), 0);
    form.total->setText(name);
    EXPECT_EQ(form.total->cursorPosition(), 0);
    // Filled while the user is in it, it has its whole text selected.
    form.second->setText(name);
    EXPECT_EQ(form.second->cursorPosition(), 0);
    EXPECT_EQ(form.second->selectedText(), name);
}

TEST(DataFormPlace, WindowsKeepInsideTheFreeArea) {
    // 1366 by 768 less a 40-pixel task bar; with no window shown in the
    // normal state, room for a frame with a 40-pixel title.
    const QRect area(0, 0, 1366, 728);
    using Shown = DataForm::ShownWindow;
    // The main window maximised: a 19-pixel title and no borders.
    const Shown mainWindow{{0, 0, 1366, 728}, {0, 19, 1366, 709}, false};
    const Shown framed{{300, 100, 602, 425}, {301, 120, 600, 400}, true};
    struct Case {
        QRect asked;
        QSize minimum;
        QRect shown;
        QList<Shown> windows;
    };
    const std::vector<Case> table = {
        {{212, 40, 942, 737}, {0, 0}, {212, 40, 942, 678}},
        {{300, 100, 600, 400}, {0, 0}, {300, 100, 600, 400}},
        {{900, 500, 600, 400}, {0, 0}, {756, 318, 600, 400}},
        {{-50, 0, 1400, 300}, {0, 0}, {10, 40, 1346, 300}},
        {{0, 0, 800, 900}, {0, 600}, {10, 40, 800, 678}},
        // "Cadastro de Contas a Pagar" and "Contas a Receber - Baixa" over
        // the maximised main window, then beside a framed window.
        {{203, 19, 942, 737}, {896, 264}, {203, 40, 942, 678}, {mainWindow}},
        {{173, 19, 1000, 720}, {797, 420}, {173, 20, 1000, 703}, {mainWindow, framed}},
    };
    for (std::size_t i = 0; i < table.size(); ++i)
        EXPECT_EQ(DataForm::fitted(table[i].asked, table[i].minimum,
                                   DataForm::frameEstimate(table[i].windows), area),
                  table[i].shown)
            << "case " << i;
}

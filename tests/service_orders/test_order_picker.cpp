#include "platform/data_grid.h"
#include "service_orders/frmBuscaOS.h"
#include "tests/service_orders/supply_test_support.h"

#include <QPushButton>
#include <QTest>

using regtest::columnTexts;

class OrderPicker : public supplytest::SupplyTest {
protected:
    void SetUp() override {
        SupplyTest::SetUp();
        const qint64 bia = addClient(QStringLiteral("BIA SOUZA"));
        const qint64 ana = addClient(QStringLiteral("ANA LIMA"));
        addOrder(QStringLiteral("2"), bia, QStringLiteral("CARLOS"), QStringLiteral("2024-03-01"));
        addOrder(QStringLiteral("0"), ana, QStringLiteral("DORA"), QStringLiteral("2024-04-10"));
        addOrder(QStringLiteral("4"), ana, QStringLiteral("CARLA"), QStringLiteral("2024-01-05"));
        addOrder(QStringLiteral("3"), 99, QStringLiteral("CARMEM"), QStringLiteral("2024-02-02"));
        addOrder(QStringLiteral("2"), 99, QStringLiteral("D'ÁVILA 50%"),
                 QStringLiteral("2024-02-03"));
        shared::gCodigoPesquisa.clear();
        shared::gNomePesquisa = QStringLiteral("INTOCADO");
    }
    void press(frmBuscaOS& picker, Qt::Key key) { QTest::keyClick(picker.DataGrid1, key); }
};

TEST_F(OrderPicker, NothingToSelectBeforeTheFirstSearch) {
    frmBuscaOS picker;
    showActive(&picker);
    EXPECT_EQ(picker.DataGrid1->model()->rowCount(), 0);
    press(picker, Qt::Key_F10);
    EXPECT_TRUE(picker.isVisible());
    EXPECT_TRUE(shared::gCodigoPesquisa.isEmpty());
    // A cancelled search keeps the empty list and the select button off.
    dialogs.answerInput(std::nullopt);
    press(picker, Qt::Key_F2);
    EXPECT_FALSE(picker.Command5->isEnabled());
    shared::gCodigoPesquisa = QStringLiteral("ANTES");
    press(picker, Qt::Key_Escape);
    EXPECT_FALSE(picker.isVisible());
    EXPECT_TRUE(shared::gCodigoPesquisa.isEmpty());
    EXPECT_EQ(shared::gNomePesquisa, QStringLiteral("INTOCADO"));
}

TEST_F(OrderPicker, SearchesByClientNameAndByRequester) {
    struct Case {
        Qt::Key key;
        const char* typed;
        QStringList orders;
        QStringList clients;
    };
    const std::vector<Case> cases = {
        // Every order with a client row, by client name then date.
        {Qt::Key_F2, "", {"3", "2", "1"}, {"ANA LIMA", "ANA LIMA", "BIA SOUZA"}},
        {Qt::Key_F2, "LIM", {"3", "2"}, {"ANA LIMA", "ANA LIMA"}},
        // Every order; those without a client row show an empty client.
        {Qt::Key_F3, "", {"4", "5", "3", "2", "1"}, {"", "", "ANA LIMA", "ANA LIMA", "BIA SOUZA"}},
        {Qt::Key_F3, "CAR", {"4", "3", "1"}, {"", "ANA LIMA", "BIA SOUZA"}},
        // Quotes and wildcards typed are searched for as they are.
        {Qt::Key_F3, "D'ÁVILA 50%", {"5"}, {""}},
        {Qt::Key_F2, "ZZZ", {}, {}},
    };
    frmBuscaOS picker;
    showActive(&picker);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        dialogs.clear();
        dialogs.answerInput(QString::fromUtf8(c.typed));
        press(picker, c.key);
        const QAbstractItemModel* list = picker.DataGrid1->model();
        EXPECT_EQ(columnTexts(list, 0), c.orders);
        EXPECT_EQ(columnTexts(list, 3), c.clients);
        EXPECT_TRUE(picker.Command5->isEnabled());
        EXPECT_TRUE(picker.isEnabled());
        EXPECT_TRUE(picker.DataGrid1->hasFocus());
        const auto& asked = dialogs.shown().front();
        EXPECT_EQ(asked.text, QString::fromLatin1(c.key == Qt::Key_F2 ? "NOME:" : "SOLICITANTE:"));
    }
    // F10 with nothing found hands back nothing and keeps the picker open.
    press(picker, Qt::Key_F10);
    EXPECT_TRUE(picker.isVisible());
    EXPECT_TRUE(shared::gCodigoPesquisa.isEmpty());
    // The status digit and the date as the user reads them.
    dialogs.answerInput(QStringLiteral("BIA"));
    press(picker, Qt::Key_F2);
    EXPECT_EQ(columnTexts(picker.DataGrid1->model(), 1), QStringList{QStringLiteral("2")});
    EXPECT_EQ(columnTexts(picker.DataGrid1->model(), 2), QStringList{QStringLiteral("01/03/2024")});
}

TEST_F(OrderPicker, F10HandsBackTheOrderAndEscNothing) {
    frmBuscaOS picker;
    showActive(&picker);
    dialogs.answerInput(QStringLiteral("ANA"));
    press(picker, Qt::Key_F2);
    picker.DataGrid1->setCurrentIndex(picker.DataGrid1->model()->index(1, 0));
    press(picker, Qt::Key_Escape);
    EXPECT_TRUE(shared::gCodigoPesquisa.isEmpty());

    frmBuscaOS again;
    showActive(&again);
    dialogs.answerInput(QStringLiteral("ANA"));
    press(again, Qt::Key_F2);
    again.DataGrid1->setCurrentIndex(again.DataGrid1->model()->index(1, 0));
    press(again, Qt::Key_F10);
    EXPECT_FALSE(again.isVisible());
    EXPECT_EQ(shared::gCodigoPesquisa, QStringLiteral("2"));
    EXPECT_EQ(shared::gNomePesquisa, QStringLiteral("INTOCADO"));
}

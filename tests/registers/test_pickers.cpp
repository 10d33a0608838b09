#include "platform/data_grid.h"
#include "registers/frmBuscaCliente.h"
#include "registers/frmBuscaFornecedor.h"
#include "registers/frmBuscaGrupo.h"
#include "registers/frmBuscaProd.h"
#include "registers/frmBuscaVendedor.h"
#include "shell/menu_items.h"
#include "tests/registers/register_test_support.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

using regtest::columnTexts;

namespace {

// One picker as the tests see it: how to make it, its table, what it hands
// back and the register its "new" button guards.
struct PickerCase {
    const char* name;
    std::function<std::unique_ptr<PickerForm>()> make;
    const char* table;
    const char* nameColumn;
    bool handsBackName;
    const char* menuItem;
    int newKey;
    const char* registerClass;
};

const std::vector<PickerCase>& pickers() {
    static const std::vector<PickerCase> all = {
        {"clientes", [] { return std::make_unique<frmBuscaCliente>(); }, "cliente", "nmcli", true,
         "mnu_cadcli", Qt::Key_F12, "frmcadcli"},
        {"grupos", [] { return std::make_unique<frmBuscaGrupo>(); }, "grupoestoque", "dsgrupo",
         true, "mnu_cadgru", Qt::Key_F12, "frmCadGrupoEstoque"},
        {"fornecedores", [] { return std::make_unique<frmBuscaFornecedor>(); }, "fornecedores",
         "nmfor", true, "mnu_cadfor", Qt::Key_F12, "frmCadFor"},
        {"colaboradores", [] { return std::make_unique<frmBuscaVendedor>(); }, "vendedores",
         "nmven", true, "mun_cadven", Qt::Key_F12, "frmCadVendedor"},
        {"insumos", [] { return std::make_unique<frmBuscaProd>(); }, "produtos", "dspro", false,
         "mnu_cadpro", Qt::Key_F5, "frmCadProduto"},
    };
    return all;
}

// Runs `act` on the next modal window to open, then closes it.
void onNextModal(std::function<void(QWidget*)> act, QString* seen = nullptr) {
    QTimer::singleShot(0, [act = std::move(act), seen] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr)
            return;
        if (seen != nullptr)
            *seen = modal->objectName();
        act(modal);
        modal->close();
    });
}

} // namespace

class Pickers : public regtest::RegisterTest {
protected:
    void add(const PickerCase& p, const QString& name, const QString& extra = QString()) {
        const QString table = QString::fromLatin1(p.table);
        if (table == QLatin1String("produtos"))
            cn.execute(QStringLiteral("insert into produtos (cdpro, dspro) values (?, ?)"),
                       {QStringLiteral("P-") + name.left(3), name});
        else if (table == QLatin1String("grupoestoque"))
            cn.execute(QStringLiteral("insert into grupoestoque (dsgrupo) values (?)"), {name});
        else
            cn.execute(QStringLiteral("insert into %1 (%2, cpf, fonefixo, fonecel) values (?, ?, "
                                      "?, ?)")
                           .arg(table, QLatin1String(p.nameColumn)),
                       {name, extra, QStringLiteral("F") + extra, QStringLiteral("C") + extra});
    }
    void allow(const char* item, const char* valor) {
        cn.execute(QStringLiteral("insert into perfilusuario (nmusuario, campo, valor) values "
                                  "('TESTE', ?, ?)"),
                   {QString::fromLatin1(item).leftJustified(20), QString::fromLatin1(valor)});
    }
    std::unique_ptr<PickerForm> open(const PickerCase& p) {
        auto picker = p.make();
        picker->show();
        QApplication::setActiveWindow(picker.get());
        picker->DataGrid1->setFocus();
        return picker;
    }
    void key(PickerForm* picker, int k) { QTest::keyClick(picker->DataGrid1, Qt::Key(k)); }
};

TEST_F(Pickers, F10HandsBackTheCurrentRowAndEscHandsBackNothing) {
    for (const PickerCase& p : pickers()) {
        SCOPED_TRACE(p.name);
        SetUp();
        add(p, QStringLiteral("BETA"));
        add(p, QStringLiteral("ALFA"));
        shared::gCodigoPesquisa.clear();
        shared::gNomePesquisa = QStringLiteral("ANTERIOR");
        auto picker = open(p);
        key(picker.get(), Qt::Key_F10);
        EXPECT_FALSE(picker->isVisible());
        const QString expectedCode = QString::fromLatin1(p.table) == QLatin1String("produtos")
                                         ? QStringLiteral("P-ALF")
                                         : QStringLiteral("2");
        EXPECT_EQ(shared::gCodigoPesquisa, expectedCode);
        EXPECT_EQ(shared::gNomePesquisa,
                  p.handsBackName ? QStringLiteral("ALFA") : QStringLiteral("ANTERIOR"));

        picker = open(p);
        picker->DataGrid1->setCurrentIndex(picker->DataGrid1->model()->index(1, 0));
        key(picker.get(), Qt::Key_Escape);
        EXPECT_FALSE(picker->isVisible());
        EXPECT_TRUE(shared::gCodigoPesquisa.isEmpty());
        EXPECT_TRUE(shared::gNomePesquisa.isEmpty());
    }
}

TEST_F(Pickers, F10WithNoCurrentRowKeepsThePickerOpen) {
    for (const PickerCase& p : pickers()) {
        SCOPED_TRACE(p.name);
        SetUp();
        shared::gCodigoPesquisa.clear();
        auto picker = open(p);
        key(picker.get(), Qt::Key_F10);
        EXPECT_TRUE(picker->isVisible());
        EXPECT_TRUE(shared::gCodigoPesquisa.isEmpty());
        // A search that finds nothing leaves no current row either.
        add(p, QStringLiteral("ALFA"));
        dialogs.answerInput(QStringLiteral("ZZZ"));
        key(picker.get(), Qt::Key_F2);
        key(picker.get(), Qt::Key_F10);
        EXPECT_TRUE(picker->isVisible());
        EXPECT_TRUE(shared::gCodigoPesquisa.isEmpty());
        picker->close();
    }
}

TEST_F(Pickers, NameSearchCancelKeepsAndEmptyListsAll) {
    for (const PickerCase& p : pickers()) {
        SCOPED_TRACE(p.name);
        SetUp();
        for (const char* name : {"CASA AZUL", "AZULEJO", "BRANCO"})
            add(p, QString::fromUtf8(name));
        auto picker = open(p);
        const QAbstractItemModel* list = picker->DataGrid1->model();
        dialogs.answerInput(QStringLiteral("AZUL"));
        key(picker.get(), Qt::Key_F2);
        EXPECT_EQ(columnTexts(list, 0),
                  (QStringList{QStringLiteral("AZULEJO"), QStringLiteral("CASA AZUL")}));
        EXPECT_EQ(dialogs.shown().back().text, QStringLiteral("NOME:"));
        EXPECT_EQ(dialogs.shown().back().arguments,
                  QStringList{QStringLiteral("PESQUISA PELO NOME")});
        dialogs.answerInput(std::nullopt);
        key(picker.get(), Qt::Key_F2);
        EXPECT_EQ(list->rowCount(), 2);
        EXPECT_TRUE(picker->DataGrid1->hasFocus());
        dialogs.answerInput(QString());
        key(picker.get(), Qt::Key_F2);
        EXPECT_EQ(list->rowCount(), 3);
        picker->close();
    }
}

TEST_F(Pickers, ABackslashTypedInASearchIsABackslash) {
    for (const PickerCase& p : pickers()) {
        SCOPED_TRACE(p.name);
        SetUp();
        for (const char* name : {"D\\ÁVILA", "DÁVILA", "D%VILA"})
            add(p, QString::fromUtf8(name));
        auto picker = open(p);
        const QAbstractItemModel* list = picker->DataGrid1->model();
        dialogs.answerInput(QStringLiteral("D\\ÁVILA"));
        key(picker.get(), Qt::Key_F2);
        EXPECT_EQ(columnTexts(list, 0), QStringList{QStringLiteral("D\\ÁVILA")});
        // "%" keeps its wildcard meaning.
        dialogs.answerInput(QStringLiteral("D%VILA"));
        key(picker.get(), Qt::Key_F2);
        EXPECT_EQ(list->rowCount(), 3);
        picker->close();
    }
}

TEST_F(Pickers, PhoneDocumentAndNicknameSearches) {
    for (const PickerCase& p : {pickers()[0], pickers()[2]}) {
        SCOPED_TRACE(p.name);
        SetUp();
        add(p, QStringLiteral("ANA"), QStringLiteral("111.444.777-35"));
        add(p, QStringLiteral("BIA"), QStringLiteral("11144477735"));
        cn.execute(QStringLiteral("update %1 set nmfant = 'ZECA' where cpf = '11144477735'")
                       .arg(QLatin1String(p.table)));
        auto picker = open(p);
        const QAbstractItemModel* list = picker->DataGrid1->model();
        // Landline or mobile.
        dialogs.answerInput(QStringLiteral("C111.4"));
        key(picker.get(), Qt::Key_F5);
        EXPECT_EQ(columnTexts(list, 0), QStringList{QStringLiteral("ANA")});
        dialogs.answerInput(QStringLiteral("F11144"));
        key(picker.get(), Qt::Key_F5);
        EXPECT_EQ(columnTexts(list, 0), QStringList{QStringLiteral("BIA")});
        // The document as it was typed: punctuation matters.
        dialogs.answerInput(QStringLiteral("444.777"));
        key(picker.get(), Qt::Key_F4);
        EXPECT_EQ(columnTexts(list, 0), QStringList{QStringLiteral("ANA")});
        dialogs.answerInput(QStringLiteral("ZEC"));
        key(picker.get(), Qt::Key_F3);
        EXPECT_EQ(columnTexts(list, 0), QStringList{QStringLiteral("BIA")});
        picker->close();
    }
}

TEST_F(Pickers, NewOpensTheRegisterOnlyWhenTheProfileAllows) {
    for (const PickerCase& p : pickers()) {
        SCOPED_TRACE(p.name);
        struct Profile {
            const char* valor; // nullptr: the user has no row for the item
            bool opens;
        };
        for (const Profile& profile :
             {Profile{"1", false}, Profile{nullptr, false}, Profile{"0", true}}) {
            SetUp();
            if (profile.valor != nullptr)
                allow(p.menuItem, profile.valor);
            auto picker = open(p);
            QString opened;
            if (profile.opens)
                onNextModal([](QWidget*) {}, &opened);
            key(picker.get(), p.newKey);
            EXPECT_EQ(opened, profile.opens ? QString::fromLatin1(p.registerClass) : QString());
            EXPECT_EQ(dialogs.sawText(QStringLiteral("--- Perfil não autorizado!")),
                      !profile.opens);
            if (!profile.opens) {
                EXPECT_EQ(dialogs.messages().back().title, QStringLiteral("Atenção"));
            }
            EXPECT_EQ(shared::gResultado.toString(),
                      QString::fromLatin1(profile.valor ? profile.valor : "1"));
            EXPECT_TRUE(picker->isVisible());
            picker->close();
        }
    }
}

TEST_F(Pickers, PermissionKeysAreTheMainMenuNames) {
    for (const PickerCase& p : pickers()) {
        const auto found =
            std::find_if(kMenuItems.begin(), kMenuItems.end(), [&](const MenuItemDef& m) {
                return QLatin1String(m.name) == QLatin1String(p.menuItem);
            });
        EXPECT_NE(found, kMenuItems.end()) << p.menuItem;
    }
}

TEST_F(Pickers, AfterNewTheListRepeatsTheLastSearch) {
    const PickerCase& p = pickers()[0];
    allow(p.menuItem, "0");
    add(p, QStringLiteral("MARIA"));
    auto picker = open(p);
    dialogs.answerInput(QStringLiteral("MAR"));
    key(picker.get(), Qt::Key_F2);
    onNextModal([this](QWidget*) {
        cn.execute(QStringLiteral("insert into cliente (nmcli) values ('MARTA'), ('JOANA')"));
    });
    key(picker.get(), Qt::Key_F12);
    EXPECT_EQ(columnTexts(picker->DataGrid1->model(), 0),
              (QStringList{QStringLiteral("MARIA"), QStringLiteral("MARTA")}));
    EXPECT_EQ(picker->focusWidget(), picker->DataGrid1);
    // The new client is not picked by itself.
    EXPECT_TRUE(picker->isVisible());
    picker->close();
}

TEST_F(Pickers, SupplyPickerKeepsEnterInTheList) {
    const PickerCase& p = pickers()[4];
    add(p, QStringLiteral("ALFA"));
    auto picker = open(p);
    key(picker.get(), Qt::Key_Return);
    EXPECT_TRUE(picker->DataGrid1->hasFocus());
    EXPECT_TRUE(picker->isVisible());
    // In the other pickers Enter moves on, and never selects.
    auto clients = open(pickers()[0]);
    key(clients.get(), Qt::Key_Return);
    EXPECT_FALSE(clients->DataGrid1->hasFocus());
    EXPECT_TRUE(clients->isVisible());
    picker->close();
    clients->close();
}

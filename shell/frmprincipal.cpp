#include "shell/frmprincipal.h"

#include "platform/dates.h"
#include "platform/db/connection.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/program_folder.h"
#include "platform/twips.h"
#include "shell/auto_resize.h"
#include "shell/background_picture.h"
#include "shell/company.h"
#include "shell/cpf_cnpj.h"
#include "shell/frmtelainicial.h"
#include "shell/menu_items.h"
#include "shell/program_end.h"
#include "shell/reentry_guard.h"
#include "shell/settings_file.h"
#include "shell/shared_state.h"
#include "shell/shared_work.h"
#include "shell/startup_failure.h"
#include "shell/update_download.h"
#include "shell/window_registry.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QTime>
#include <QTimer>

namespace {

frmPrincipal* theMainWindow = nullptr;

constexpr int kMajor = 1;
constexpr int kRevision = 0;

// The window each menu item opens (modally unless noted).
const QHash<QString, QString>& menuWindows() {
    static const QHash<QString, QString> map = {
        {QStringLiteral("mnu_cadcli"), QStringLiteral("frmcadcli")},
        {QStringLiteral("mnu_cadfor"), QStringLiteral("frmCadFor")},
        {QStringLiteral("mun_cadven"), QStringLiteral("frmCadVendedor")},
        {QStringLiteral("mnu_cadgru"), QStringLiteral("frmCadGrupoEstoque")},
        {QStringLiteral("mnu_cadpro"), QStringLiteral("frmCadProduto")},
        {QStringLiteral("mnu_cadusu"), QStringLiteral("frmcadusuario")},
        {QStringLiteral("estent"), QStringLiteral("frmInsumos_Compra")},
        {QStringLiteral("oscadcat"), QStringLiteral("frmOS_CadCategoria")},
        {QStringLiteral("osrel"), QStringLiteral("frmOS_Relatorios")},
        {QStringLiteral("fincadcentro"), QStringLiteral("frmCadCentroCusto")},
        {QStringLiteral("finscentro"), QStringLiteral("frmCadSubCentro")},
        {QStringLiteral("findespinc"), QStringLiteral("frmlancontas")},
        {QStringLiteral("findespbx"), QStringLiteral("frmCPagar_Baixa")},
        {QStringLiteral("funcrc"), QStringLiteral("frmCReceber_Baixa")},
        {QStringLiteral("finrel"), QStringLiteral("frmRel_Contas")},
        {QStringLiteral("mnu_cfg"), QStringLiteral("frmconfig")},
        {QStringLiteral("uti_emp"), QStringLiteral("frmcademp")},
        {QStringLiteral("uti_pfundo"), QStringLiteral("frmPlanoFundo")},
        {QStringLiteral("utiup"), QStringLiteral("frmConcuiUpdate")},
    };
    return map;
}

} // namespace

frmPrincipal::frmPrincipal(QWidget* parent) : QMainWindow(parent) {
    theMainWindow = this;
    setObjectName(QStringLiteral("frmPrincipal"));

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setMinimumSize(twipsToPixels(14985) / 2, twipsToPixels(10635) / 2);
    setCentralWidget(client);
    resize(twipsToPixels(14985), twipsToPixels(10635));

    cmdfundo =
        new QPushButton(QStringLiteral("apenas para o plano fundo pegar as medidas"), client);
    cmdfundo->setObjectName(QStringLiteral("cmdfundo"));
    cmdfundo->setGeometry(twipsToPixels(1125), twipsToPixels(465), twipsToPixels(12630),
                          twipsToPixels(8745));
    cmdfundo->hide();

    imgFundo = new QLabel(client);
    imgFundo->setObjectName(QStringLiteral("imgFundo"));
    imgFundo->setScaledContents(true);
    imgFundo->hide();

    cmdST = new QPushButton(client);
    cmdST->setObjectName(QStringLiteral("cmdST"));
    cmdST->setGeometry(twipsToPixels(1485), twipsToPixels(1635), twipsToPixels(7620),
                       twipsToPixels(2190));
    QFont courier(QStringLiteral("Courier"));
    courier.setStyleHint(QFont::TypeWriter);
    courier.setPointSizeF(9.75);
    cmdST->setFont(courier);
    cmdST->setFocusPolicy(Qt::NoFocus);
    cmdST->hide();

    buildMenus();
    buildStatusBar();
    Resize = AutoResize::attach(this);

    // F10 logs off whatever the profile did to the menu item.
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    f10->setContext(Qt::WindowShortcut);
    connect(f10, &QShortcut::activated, this, &frmPrincipal::mnu_f10_Click);

    Form_Load();
}

frmPrincipal::~frmPrincipal() {
    if (theMainWindow == this)
        theMainWindow = nullptr;
}

frmPrincipal* frmPrincipal::instance() {
    return theMainWindow;
}

QString frmPrincipal::versionText() {
    return QStringLiteral("%1.%2").arg(kMajor).arg(kRevision);
}

void frmPrincipal::buildMenus() {
    QMenu* levels[3] = {nullptr, nullptr, nullptr};
    for (std::size_t i = 0; i < kMenuItems.size(); ++i) {
        const MenuItemDef& def = kMenuItems[i];
        const QString name = QString::fromLatin1(def.name);
        const bool hasChildren = i + 1 < kMenuItems.size() && kMenuItems[i + 1].level > def.level;
        // The bar's menus open with Alt and their first letter; the commands
        // on the bar take none, or Alt and a letter would run them at once.
        // The stored captions, which the profile list shows, stay plain.
        const QString caption = (def.level == 0 && hasChildren ? QStringLiteral("&") : QString()) +
                                QString::fromUtf8(def.caption);
        QAction* action = nullptr;
        if (hasChildren) {
            QMenu* menu = def.level == 0 ? menuBar()->addMenu(caption)
                                         : levels[def.level - 1]->addMenu(caption);
            menu->setObjectName(name);
            levels[def.level] = menu;
            action = menu->menuAction();
        } else {
            action = def.level == 0 ? menuBar()->addAction(caption)
                                    : levels[def.level - 1]->addAction(caption);
            connect(action, &QAction::triggered, this, [this, name] { runMenuCommand(name); });
        }
        action->setObjectName(name);
        action->setProperty("HelpContextID", def.level);
        menuControls_.append(action);
    }
}

void frmPrincipal::buildStatusBar() {
    QStatusBar* sBar = statusBar();
    sBar->setObjectName(QStringLiteral("sBar"));
    sBar->setSizeGripEnabled(false);
    for (int i = 1; i <= 6; ++i) {
        auto* label = new QLabel(sBar);
        label->setObjectName(QStringLiteral("panel%1").arg(i));
        label->setFixedWidth(twipsToPixels(2540));
        label->setFrameShape(QFrame::StyledPanel);
        label->setFrameShadow(QFrame::Sunken);
        sBar->addWidget(label);
        panels_.append(label);
    }
    panel(1)->setText(QStringLiteral("Versão:"));
    panel(1)->setToolTip(QStringLiteral("Versão:"));
    panel(5)->setText(QStringLiteral("Usuário:"));
    panel(5)->setToolTip(QStringLiteral("Usuário:"));

    // The date and clock panels keep themselves current.
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    auto tick = [this] {
        const QDateTime now = QDateTime::currentDateTime();
        panel(3)->setText(dates::toBr(now.date()));
        panel(4)->setText(now.time().toString(QStringLiteral("hh:mm")));
    };
    connect(Timer1, &QTimer::timeout, this, tick);
    tick();
    Timer1->start(1000);
}

QAction* frmPrincipal::menuControl(const QString& name) const {
    for (QAction* action : menuControls_) {
        if (action->objectName() == name)
            return action;
    }
    return nullptr;
}

QLabel* frmPrincipal::panel(int number) const {
    return panels_.value(number - 1);
}

void frmPrincipal::Form_Load() {
    panel(2)->setText(versionText());
    // The update program a previous update left behind, read-only or not.
    files::removeForced(updateProgramFile());
}

bool frmPrincipal::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        QMetaObject::invokeMethod(this, &frmPrincipal::Form_Activate, Qt::QueuedConnection);
    return QMainWindow::event(event);
}

void frmPrincipal::Form_Activate() {
    const ReentryGuard once(activating_);
    if (!once.entered() || program::ending())
        return;

    try {
        for (const char* name : {"utiup", "mnu_f10", "mnu_update"})
            menuControl(QString::fromLatin1(name))->setEnabled(true);
        if (shared::gLogado != QLatin1String("S")) {
            startupBlock();
            if (program::ending())
                return;
        }
        if (shared::gLogado == QLatin1String("S"))
            showBackground();
    } catch (const db::DbError& e) {
        startupFailure(e.number(), e.text(), this);
    } catch (const std::exception& e) {
        startupFailure(0, QString::fromUtf8(e.what()), this);
    }
}

void frmPrincipal::setBanner(const QString& caption) {
    cmdST->setText(caption);
    cmdST->raise();
    cmdST->show();
    QApplication::processEvents();
}

void frmPrincipal::startupBlock() {
    setBanner(QStringLiteral("Aguarde... iniciando..."));
    settings::MontaConexao();
    setBanner(QStringLiteral("Aguardando login..."));
    shared::gRetorno = QStringLiteral("N");
    {
        frmtelainicial login(this);
        login.exec();
    }
    if (program::ending())
        return;
    if (shared::gRetorno == QLatin1String("N")) {
        program::End();
        return;
    }
    panel(5)->setText(QStringLiteral("Usuário: ") + shared::gUsuario);
    setBanner(QStringLiteral("Identificando empresa..."));

    shared::abreConexao();
    company::rememberStored(shared::gCn());
    shared::fechaConexao();

    QString document = shared::gEmpCpf;
    ValidaCpfCnpj(document);
    if (!shared::gResultado.toBool()) {
        if (dlg::ask(QStringLiteral("SE FOR PRIMEIRO ACESSO CLIQUE EM SIM!\nCASO CONTRÁRIO CLIQUE "
                                    "EM NÃO E CONTATE O SUPORTE!"),
                     QStringLiteral("ATENÇÃO")))
            windows::open(QStringLiteral("frmcademp"), this);
        program::End();
        return;
    }
    setWindowTitle(company::caption());
    if (!programfolder::exists(QStringLiteral("ImgPRO")))
        QDir(programfolder::path()).mkpath(QStringLiteral("ImgPro"));
    cmdST->hide();
}

void frmPrincipal::showBackground() {
    const QString file = background::file();
    QPixmap picture;
    // A picture that cannot be read only hides the background.
    if (!QFile::exists(file) || !picture.load(file)) {
        imgFundo->hide();
        return;
    }
    imgFundo->setGeometry(cmdfundo->geometry());
    imgFundo->raise();
    imgFundo->setPixmap(picture);
    imgFundo->show();
}

void frmPrincipal::openModal(const QString& formName) {
    windows::open(formName, this);
    if (!program::ending())
        Form_Activate();
}

bool frmPrincipal::raiseOpenOrderList(const QString& name) {
    // The order list does not block this window; asking for it again while
    // it is open brings it to the front.
    if (name != QLatin1String("osorc") && name != QLatin1String("osprod"))
        return false;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String("frmOS_ListaOrc") && w->isVisible()) {
            w->raise();
            w->activateWindow();
            return true;
        }
    }
    return false;
}

void frmPrincipal::runMenuCommand(const QString& name) {
    if (name == QLatin1String("mnu_f10")) {
        mnu_f10_Click();
    } else if (name == QLatin1String("mnu_update")) {
        windows::open(QStringLiteral("Atualizar"), this);
    } else if (raiseOpenOrderList(name)) {
        return;
    } else if (name == QLatin1String("osorc")) {
        shared::gModoOS = QStringLiteral("O");
        windows::open(QStringLiteral("frmOS_ListaOrc"), this);
    } else if (name == QLatin1String("osprod")) {
        shared::gModoOS = QStringLiteral("A");
        openModal(QStringLiteral("frmOS_ListaOrc"));
    } else if (menuWindows().contains(name)) {
        openModal(menuWindows().value(name));
    }
}

void frmPrincipal::mnu_f10_Click() {
    if (activating_)
        return;
    shared::gLogado = QStringLiteral("N");
    {
        frmtelainicial login(this);
        login.exec();
    }
    if (program::ending())
        return;
    Form_Activate();
    if (shared::gLogado != QLatin1String("S"))
        return;
    // The user panel follows every good login, and the caption the company
    // as stored now, whichever station saved it.
    panel(5)->setText(QStringLiteral("Usuário: ") + shared::gUsuario);
    const bool open = shared::gCn().isOpen();
    const bool read = shared::withConnection(nullptr, company::rememberStored);
    if (!open)
        shared::fechaConexao();
    if (read)
        setWindowTitle(company::caption());
}

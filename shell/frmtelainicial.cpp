#include "shell/frmtelainicial.h"

#include "platform/db/connection.h"
#include "platform/dialogs.h"
#include "platform/http_client.h"
#include "platform/program_folder.h"
#include "platform/text_limits.h"
#include "shell/frmprincipal.h"
#include "shell/program_end.h"
#include "shell/reentry_guard.h"
#include "shell/shared_state.h"
#include "shell/shared_work.h"
#include "shell/startup_failure.h"
#include "shell/window_registry.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// The window's decoration: a key on a dark plate.
QPixmap loginPicture() {
    QPixmap picture(120, 120);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(40, 40, 40));
    p.setPen(QPen(QColor(230, 200, 0), 3));
    p.drawRoundedRect(4, 4, 112, 112, 14, 14);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(230, 200, 0), 8, Qt::SolidLine, Qt::RoundCap));
    p.drawEllipse(QPointF(42, 60), 16, 16);
    p.drawLine(QPointF(58, 60), QPointF(98, 60));
    p.drawLine(QPointF(86, 60), QPointF(86, 74));
    p.drawLine(QPointF(96, 60), QPointF(96, 70));
    return picture;
}

const QString kCaption =
    QStringLiteral("Digite seu nome de usuário e senha") + QString(67, QLatin1Char(' '));

} // namespace

frmtelainicial::frmtelainicial(QWidget* parent) : DataForm(parent) {
    setObjectName(QStringLiteral("frmtelainicial"));
    setWindowTitle(QStringLiteral("Login"));

    imgLogin = new QLabel(this);
    imgLogin->setObjectName(QStringLiteral("imgLogin"));
    imgLogin->setPixmap(loginPicture());

    Label3 = new QLabel(QStringLiteral("Nome do Usuário"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    txtUsuario = new QLineEdit(this);
    txtUsuario->setObjectName(QStringLiteral("txtUsuario"));
    textlimits::setMaxLength(txtUsuario, 10);
    QFont bold = txtUsuario->font();
    bold.setBold(true);
    bold.setPointSize(12);
    txtUsuario->setFont(bold);

    Label2 = new QLabel(QStringLiteral("Senha"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    txtSenha = new QLineEdit(this);
    txtSenha->setObjectName(QStringLiteral("txtSenha"));
    textlimits::setMaxLength(txtSenha, 10);
    txtSenha->setEchoMode(QLineEdit::Password);

    Command1 = new QPushButton(QStringLiteral("Confirma"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2 = new QPushButton(QStringLiteral("Fechar"), this);
    Command2->setObjectName(QStringLiteral("Command2"));

    Label4 = new QLabel(QStringLiteral("F1 SUPORTE"), this);
    Label4->setObjectName(QStringLiteral("Label4"));
    QFont heavy = Label4->font();
    heavy.setWeight(QFont::Black);
    heavy.setPointSize(11);
    Label4->setFont(heavy);
    Label4->setCursor(Qt::PointingHandCursor);
    Label4->installEventFilter(this);

    Label1 = new QLabel(kCaption, this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont fixed(QStringLiteral("Courier"));
    fixed.setStyleHint(QFont::TypeWriter);
    Label1->setFont(fixed);
    Label1->setFixedWidth(360);

    auto* form = new QGridLayout;
    form->addWidget(Label3, 0, 0);
    form->addWidget(txtUsuario, 1, 0);
    form->addWidget(Label2, 2, 0);
    form->addWidget(txtSenha, 3, 0);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    form->addLayout(buttons, 4, 0);

    auto* top = new QHBoxLayout;
    top->addWidget(imgLogin, 0, Qt::AlignTop);
    top->addLayout(form);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(Label4, 0, Qt::AlignRight);
    layout->addWidget(Label1);

    setTabOrder(txtUsuario, txtSenha);
    setTabOrder(txtSenha, Command1);
    setTabOrder(Command1, Command2);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(250);
    connect(Timer1, &QTimer::timeout, this, &frmtelainicial::Timer1_Timer);
    connect(Command1, &QPushButton::clicked, this, &frmtelainicial::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmtelainicial::Command2_Click);

    Form_Load();
}

frmtelainicial::~frmtelainicial() = default;

QString frmtelainicial::supportAddress() {
    return http::baseAddress("QUENDARO_SUPORTE_URL",
                             QStringLiteral("https://www.quendaro.com.br/downloads/suporte.exe"));
}

void frmtelainicial::Form_Load() {
    try {
        shared::abreConexao();
    } catch (const db::DbError& e) {
        startupFailure(e.number(), e.text(), this);
        return;
    }
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::black);
    setPalette(colours);
    setAutoFillBackground(true);
    for (QLabel* label : {Label1, Label2, Label3, Label4})
        label->setStyleSheet(QStringLiteral("color: yellow;"));
    Timer1->start();
    QApplication::processEvents();
}

bool frmtelainicial::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        QMetaObject::invokeMethod(this, &frmtelainicial::Form_Activate, Qt::QueuedConnection);
    return DataForm::event(event);
}

void frmtelainicial::showEvent(QShowEvent* event) {
    DataForm::showEvent(event);
    QMetaObject::invokeMethod(this, &frmtelainicial::Form_Activate, Qt::QueuedConnection);
}

void frmtelainicial::Form_Activate() {
    const ReentryGuard once(activating_);
    if (!once.entered() || done_ || program::ending())
        return;
    bool anyUser = false;
    const bool read = shared::withConnection(nullptr, [&](db::Connection& cn) {
        anyUser = !cn.query(QStringLiteral("select nmusuario from usuarios limit 1")).isEmpty();
    });
    if (!read || anyUser)
        return;
    if (dlg::ask(QStringLiteral("PRIMEIRO ACESSO --- DESEJA CRIAR O USUÁRIO ADMINISTRADOR AGORA?"),
                 QStringLiteral("Atenção")))
        windows::open(QStringLiteral("frmcadusuario"), this);
    program::End();
}

void frmtelainicial::Command1_Click() {
    QApplication::processEvents();
    bool found = false;
    if (!shared::withConnection(nullptr, [&](db::Connection& cn) {
            found = !cn.query(QStringLiteral("select nmusuario from usuarios where nmusuario = ? "
                                             "and ususenha = ?"),
                              {txtUsuario->text(), txtSenha->text()})
                         .isEmpty();
        }))
        return;
    if (!found) {
        dlg::inform(QStringLiteral("--- ERRO --- USUÁRIO E/OU SENHA NÃO CONFEREM!"),
                    QStringLiteral("ATENÇÃO"), dlg::Icon::Information);
        return;
    }
    shared::gUsuario = txtUsuario->text();
    shared::gLogado = QStringLiteral("S");
    shared::gRetorno = QStringLiteral("S");
    try {
        AplicaPerfil();
    } catch (const db::DbError& e) {
        dlg::showError(e);
    }
    FechaTabelas();
    done_ = true;
    accept();
}

void frmtelainicial::AplicaPerfil() {
    frmPrincipal* main = frmPrincipal::instance();
    if (main == nullptr)
        return;
    for (QAction* control : main->menuControls())
        control->setEnabled(false);
    shared::abreConexao();
    const db::Recordset rows = shared::gCn().query(
        QStringLiteral("select campo, valor from perfilusuario where nmusuario = ?"),
        {txtUsuario->text()});
    for (qsizetype r = 0; r < rows.rowCount(); ++r) {
        const QString campo = rows.textAt(r, 0).trimmed().toLower();
        const bool allowed = rows.textAt(r, 1) != QLatin1String("1");
        for (QAction* control : main->menuControls()) {
            if (control->objectName().trimmed().toLower() == campo)
                control->setEnabled(allowed);
        }
    }
}

void frmtelainicial::Command2_Click() {
    shared::gRetorno = QStringLiteral("N");
    FechaTabelas();
    done_ = true;
    reject();
}

void frmtelainicial::escPressed() {
    shared::gUsuario.clear();
    shared::gRetorno = QStringLiteral("N");
    FechaTabelas();
    done_ = true;
    reject();
}

void frmtelainicial::closeEvent(QCloseEvent* event) {
    if (!done_) {
        shared::gRetorno = QStringLiteral("N");
        FechaTabelas();
        done_ = true;
    }
    DataForm::closeEvent(event);
}

void frmtelainicial::FechaTabelas() {
    shared::fechaConexao();
}

void frmtelainicial::Timer1_Timer() {
    const QString text = Label1->text();
    if (!text.isEmpty())
        Label1->setText(text.mid(1) + text.at(0));
}

bool frmtelainicial::previewKey(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        AbreSuporte();
        return true;
    }
    return false;
}

void frmtelainicial::enterPressed(QWidget* from) {
    if (from == txtSenha)
        Command1_Click();
}

bool frmtelainicial::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Label4 && event->type() == QEvent::MouseButtonRelease) {
        AbreSuporte();
        return true;
    }
    return DataForm::eventFilter(watched, event);
}

void frmtelainicial::AbreSuporte() {
    const QString program = programfolder::file(QStringLiteral("suporte.exe"));
    if (QFile::exists(program)) {
        dlg::dialogs().startProgram(program, {});
        return;
    }
    dlg::inform(
        QStringLiteral("Atenção!!! APP Não instalado! O Sistema irá fazer o downlaod do APP.!"),
        QStringLiteral("Morvelan Vezizuvovaz"), dlg::Icon::Information);
    dlg::dialogs().openDocument(supportAddress());
}

#include "reports/frmgerapdfp.h"

#include "platform/busy_guard.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "registers/form_widgets.h"
#include "reports/mail_handoff.h"
#include "reports/spreadsheet_export.h"
#include "shell/shared_state.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

using namespace formwidgets;

namespace {

// The number an item text starts with ("08pt" 8, "8.5\" x 11\"" 8.5).
double leadingNumber(const QString& text) {
    qsizetype end = 0;
    while (end < text.size() && (text.at(end).isDigit() || text.at(end) == QLatin1Char('.')))
        ++end;
    return text.left(end).toDouble();
}

// "Description|pattern|..." as the dialogs' filter list.
QString qtFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'), Qt::SkipEmptyParts);
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString pattern =
            QString(parts.at(i + 1)).replace(QLatin1Char(';'), QLatin1Char(' '));
        out << (parts.at(i).contains(QLatin1Char('('))
                    ? parts.at(i)
                    : parts.at(i) + QStringLiteral(" (") + pattern + QLatin1Char(')'));
    }
    return out.join(QStringLiteral(";;"));
}

QLineEdit* pathBox(QWidget* parent, const char* name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    selectAllOnEntry(edit);
    return edit;
}

QComboBox* list(QWidget* parent, const char* name, const QStringList& items) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QString::fromLatin1(name));
    combo->addItems(items);
    return combo;
}

} // namespace

frmgerapdfp::frmgerapdfp(QWidget* parent) : DataForm(parent) {
    setObjectName(QStringLiteral("frmgerapdfp"));
    setWindowTitle(QStringLiteral("Assistente de impressão"));
    // Paths and document values keep the letters as typed.
    setUppercaseTyping(false);
    buildLayout();
    connect(btnConvert, &QPushButton::clicked, this, &frmgerapdfp::btnConvert_Click);
    connect(btnClose, &QPushButton::clicked, this, &frmgerapdfp::btnClose_Click);
    connect(btnOpen, &QPushButton::clicked, this, &frmgerapdfp::btnOpen_Click);
    connect(btnSave, &QPushButton::clicked, this, &frmgerapdfp::btnSave_Click);
    connect(Command2, &QPushButton::clicked, this, &frmgerapdfp::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &frmgerapdfp::Command1_Click);
    Form_Load();
}

void frmgerapdfp::buildLayout() {
    frmTitle = new QFrame(this);
    frmTitle->setObjectName(QStringLiteral("frmTitle"));
    frmTitle->setFrameShape(QFrame::StyledPanel);
    frmTitle->setAutoFillBackground(true);
    frmTitle->setBackgroundRole(QPalette::Base);
    lblCaption = new QLabel(QStringLiteral("Assistente de Impressão"), frmTitle);
    lblCaption->setObjectName(QStringLiteral("lblCaption"));
    QFont heading = lblCaption->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.4);
    lblCaption->setFont(heading);
    imgIcon = new QLabel(frmTitle);
    imgIcon->setObjectName(QStringLiteral("imgIcon"));
    imgIcon->setPixmap(style()->standardIcon(QStyle::SP_FileDialogDetailedView).pixmap(32, 32));
    auto* band = new QHBoxLayout(frmTitle);
    band->addWidget(lblCaption, 1);
    band->addWidget(imgIcon);

    txtFilename = pathBox(this, "txtFilename");
    btnOpen = pickerButton(this, "btnOpen", QStringLiteral("&Procurar."));
    txtOutputFile = pathBox(this, "txtOutputFile");
    btnSave = pickerButton(this, "btnSave", QStringLiteral("&Procurar."));
    txtAuthor = pathBox(this, "txtAuthor");
    txtCreator = pathBox(this, "txtCreator");
    txtTitle = pathBox(this, "txtTitle");
    txtSubject = pathBox(this, "txtSubject");
    txtKeywords = pathBox(this, "txtKeywords");
    cmbFont = list(this, "cmbFont", {QStringLiteral("Courier"), QStringLiteral("Courier New")});
    cmbFontSize = list(this, "cmbFontSize",
                       {QStringLiteral("10pt"), QStringLiteral("08pt"), QStringLiteral("12pt"),
                        QStringLiteral("14pt"), QStringLiteral("16pt"), QStringLiteral("18pt"),
                        QStringLiteral("20pt")});
    cmbRotation = list(this, "cmbRotation",
                       {QStringLiteral("0º"), QStringLiteral("90º"), QStringLiteral("180º"),
                        QStringLiteral("270º")});
    cmbPageSize = list(this, "cmbPageSize",
                       {QStringLiteral("8.5\" x 11\""), QStringLiteral("8.5\" x 14\""),
                        QStringLiteral("14\" x 11\"")});
    cmbPageSize->setCurrentIndex(-1);
    btnConvert = button(this, "btnConvert", QStringLiteral("Imprimir"));
    btnClose = button(this, "btnClose", QStringLiteral("Cancelar"));
    Command2 = button(this, "Command2", QStringLiteral("Exporta Excel"));
    Command1 = button(this, "Command1", QStringLiteral("Enviar email"));

    auto* grid = new QGridLayout;
    auto label = [this](const QString& text) { return new QLabel(text, this); };
    grid->addWidget(label(QStringLiteral("Arq. Entrada:")), 0, 0);
    grid->addWidget(txtFilename, 0, 1, 1, 3);
    grid->addWidget(btnOpen, 0, 4);
    grid->addWidget(label(QStringLiteral("Arq. Saída :")), 1, 0);
    grid->addWidget(txtOutputFile, 1, 1, 1, 3);
    grid->addWidget(btnSave, 1, 4);
    grid->addWidget(label(QStringLiteral("Nome")), 2, 0);
    grid->addWidget(txtAuthor, 2, 1);
    grid->addWidget(label(QStringLiteral("Autor:")), 2, 2);
    grid->addWidget(txtCreator, 2, 3, 1, 2);
    grid->addWidget(label(QStringLiteral("Titulo:")), 3, 0);
    grid->addWidget(txtTitle, 3, 1);
    grid->addWidget(label(QStringLiteral("Assunto:")), 3, 2);
    grid->addWidget(txtSubject, 3, 3, 1, 2);
    grid->addWidget(label(QStringLiteral("Palavras Chave:")), 4, 0);
    grid->addWidget(txtKeywords, 4, 1, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    auto* page = new QHBoxLayout;
    for (QComboBox* c : {cmbFont, cmbFontSize, cmbRotation, cmbPageSize})
        page->addWidget(c);
    page->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {btnConvert, btnClose, Command2, Command1})
        buttons->addWidget(b);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frmTitle);
    layout->addLayout(grid);
    layout->addLayout(page);
    layout->addLayout(buttons);
    resize(760, 300);
    chainTabOrder({txtFilename, btnOpen, txtOutputFile, btnSave, txtAuthor, txtCreator, txtTitle,
                   txtSubject, txtKeywords, cmbFont, cmbFontSize, cmbRotation, cmbPageSize,
                   btnConvert, btnClose, Command2, Command1});
}

void frmgerapdfp::Form_Load() {
    txtCreator->setText(QStringLiteral("Zizo-ZUR v1.0"));
    cmbFont->setCurrentIndex(0);
    cmbFontSize->setCurrentIndex(0);
    cmbRotation->setCurrentIndex(0);
    txtFilename->setText(shared::gArquivoTXT);
    txtOutputFile->setText(shared::gArquivoPDF);
}

void frmgerapdfp::showEvent(QShowEvent* event) {
    DataForm::showEvent(event);
    // Once a showing, after the window is up.
    if (activated_)
        return;
    activated_ = true;
    QTimer::singleShot(0, this, &frmgerapdfp::Form_Activate);
}

void frmgerapdfp::Form_Activate() {
    btnConvert_Click();
}

bool frmgerapdfp::convertWithBoxes() {
    const QString size = cmbPageSize->currentText();
    const PdfInfo info{.author = txtAuthor->text(),
                       .creator = txtCreator->text(),
                       .keywords = txtKeywords->text(),
                       .subject = txtSubject->text(),
                       .title = txtTitle->text()};
    return writer_.ConvertToPDF(
        txtFilename->text(), txtOutputFile->text(), info, cmbFont->currentText(),
        static_cast<int>(std::lround(leadingNumber(cmbFontSize->currentText()))),
        static_cast<int>(std::lround(leadingNumber(cmbRotation->currentText()))),
        static_cast<float>(leadingNumber(size)), static_cast<float>(leadingNumber(size.right(3))));
}

void frmgerapdfp::btnConvert_Click() {
    if (txtFilename->text().isEmpty() || txtOutputFile->text().isEmpty()) {
        dlg::inform(QStringLiteral("Informe o nome do arquivo."));
        return;
    }
    bool written = false;
    {
        BusyGuard busy;
        written = convertWithBoxes();
    }
    // Only a PDF this conversion wrote is opened.
    if (written)
        dlg::dialogs().openDocument(txtOutputFile->text());
}

void frmgerapdfp::btnClose_Click() {
    close();
}

void frmgerapdfp::done(int result) {
    // The report stays while the assistant is open, to be printed, exported
    // and mailed; however the assistant closes, it goes.
    files::removeForced(shared::gArquivoTXT);
    DataForm::done(result);
}

QString frmgerapdfp::OpenDialog(const QString& Filter, const QString& Title,
                                const QString& InitDir) {
    return dlg::dialogs().openFileName({Title, InitDir, qtFilter(Filter), QString()}).trimmed();
}

QString frmgerapdfp::SaveDialog(const QString& Filter, const QString& Title, const QString& InitDir,
                                const QString& DefaultFilename) {
    QString chosen =
        dlg::dialogs().saveFileName({Title, InitDir, qtFilter(Filter), DefaultFilename}).trimmed();
    if (!chosen.isEmpty() && QFileInfo(chosen).suffix().isEmpty())
        chosen += QStringLiteral(".pdf");
    return chosen;
}

void frmgerapdfp::btnOpen_Click() {
    const QString chosen =
        OpenDialog(QStringLiteral("Arquivos de texto (*.txt)|*.txt|Todos os arquivos (*.*)|*.*"),
                   QStringLiteral("Selecione um arquivo de texto"), QString());
    if (chosen.isEmpty())
        return;
    txtFilename->setText(chosen);
    txtOutputFile->setText(chosen.left(chosen.size() - 3) + QStringLiteral("pdf"));
}

void frmgerapdfp::btnSave_Click() {
    const QString chosen = SaveDialog(QStringLiteral("Arquivos PDF (*.pdf)|*.pdf"),
                                      QStringLiteral("Salvar PDF como"), QString(), QString());
    if (!chosen.isEmpty())
        txtOutputFile->setText(chosen);
}

void frmgerapdfp::Command2_Click() {
    const QString chosen = dlg::dialogs().saveFileName({}).trimmed();
    if (chosen.isEmpty())
        return;
    const QString workbook = spreadsheet::workbookPath(chosen);
    QString error;
    {
        BusyGuard busy;
        error = spreadsheet::exportReport(shared::gArquivoTXT, workbook);
    }
    if (!error.isEmpty()) {
        dlg::inform(error, QStringLiteral("Atenção"), dlg::Icon::Exclamation);
        return;
    }
    if (dlg::ask(QStringLiteral("ARQUIVO EXPORTADO COM SUCESSO!\r\nDeseja enviar por email?"),
                 QStringLiteral("Atenção")))
        sendByMail(workbook);
}

void frmgerapdfp::Command1_Click() {
    // A failed conversion has said why; no composer opens without the PDF.
    if (!txtFilename->text().isEmpty() && !txtOutputFile->text().isEmpty() && !convertWithBoxes())
        return;
    sendByMail(txtOutputFile->text());
}

#pragma once

#include "registers/register_form.h"

class QLineEdit;
class QPushButton;

// A table whose rows are a code the database gives and a name, kept by the
// same small register (supply groups, cost categories, cost centres).
struct CodeNameTable {
    QString formName;
    QString title;
    QString table;
    QString keyColumn;
    QString nameColumn;
    QList<ListColumn> columns; // the list's columns, in their order
    int codeLength = 6;        // most characters each box takes
    int nameLength = 20;
    int codeWidth = 8; // box widths, in characters
    int nameWidth = 24;
    bool nameStretches = false;
    bool limpaBeforeExcluir = false; // tab order of the last two buttons
    QSize size{420, 420};
};

Statement codeNameInsert(const CodeNameTable& t, const QString& name);
Statement codeNameUpdate(const CodeNameTable& t, qint64 code, const QString& name);

class CodeNameRegister : public RegisterForm {
    Q_OBJECT
public:
    QLineEdit* txtcodcli;
    QLineEdit* txtnome;
    QPushButton* cmdsalva;
    QPushButton* Command1;
    QPushButton* cmdretorna;

    void Form_Load();
    void txtcodcli_LostFocus();
    void cmdsalva_Click();
    void cmdretorna_Click();
    void Command1_Click();

protected:
    CodeNameRegister(QWidget* parent, CodeNameTable table);
    void LimpaTela() override;

private:
    void preenche(const db::Recordset& row);

    CodeNameTable table_;
};

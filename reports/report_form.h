#pragma once

#include "platform/db/connection.h"
#include "reports/report_list.h"
#include "shell/data_form.h"

#include <QDate>
#include <optional>

class AutoResize;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class ReportLinesView;

// What the two report windows share: the status, period and party boxes,
// "Gerar" filling the list, "Imprimir" writing the paged text report and
// handing it to the converter, F2 for the party picker, Esc closing the
// shared connection and the window.
class RelatorioForm : public DataForm {
    Q_OBJECT
public:
    QComboBox* cboSit;
    QLineEdit* txtDTi;
    QLineEdit* txtDTf;
    QLineEdit* txtCdCli;
    QLineEdit* txtNmCli;
    QLabel* Label4;
    QPushButton* Command1;
    QPushButton* Command2;
    QLabel* l_Tit;
    ReportLinesView* List1;
    AutoResize* Resize;

    void cboSit_Click();
    void txtDTi_Change();
    void txtDTf_Change();
    void txtCdCli_Change();
    void txtNmCli_Change();
    void txtCdCli_LostFocus();
    void Command1_Click();
    void Command2_Click();
    // F2 picks the party; true when the key was taken.
    bool Form_KeyDown(int KeyCode);

protected:
    // `prefix` names the text files, `title` heads every page.
    RelatorioForm(QWidget* parent, const QString& prefix, const QString& title,
                  const QString& statusLabel, const QStringList& statuses);

    // The row of filter boxes, for a window that adds its own in front.
    QHBoxLayout* filterRow() const { return filterRow_; }
    // Clears the list and disables "Imprimir".
    void clearList();
    // Name of a party code: the client, or the supplier of a payables report.
    virtual bool partyIsSupplier() const { return false; }
    // Header line 5.
    virtual QString filterLine() const = 0;
    virtual ReportList build(db::Connection& cn, const QDate& first, const QDate& last,
                             std::optional<qint64> party) = 0;

    bool previewKey(QKeyEvent* event) override;
    void escPressed() override;

private:
    QStringList pageHeader() const;

    QString prefix_;
    QString title_;
    // The name the lookup found for the code in the box.
    QString foundName_;
    // The party the last "Gerar" kept to, as header line 6 names it.
    QString partyCode_;
    QString partyName_;
    QHBoxLayout* filterRow_;
    // "Gerar" reads whole tables on a connection of its own, which waits
    // longer for them than the shared one.
    db::Connection reads_;
};

#pragma once

#include "service_orders/receivables_plan.h"
#include "shell/data_form.h"

#include <QList>
#include <QMap>

class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The receivables plan of one order. Callers fill txtOsNR, txtnrdoc (the
// order total), txtcdfor, txtnmfor and, when approving, txtDTe and the
// approval, then show it modally; the plan already stored is read when it is
// first shown. A saved plan sets gRetorno to "S" and closes the window.
class frmOS_GerFinan : public DataForm {
    Q_OBJECT
public:
    explicit frmOS_GerFinan(QWidget* parent = nullptr);

    QLineEdit* txtOsNR;
    QLineEdit* txtnrdoc;
    QLineEdit* txtcdfor;
    QLineEdit* txtnmfor;
    QLineEdit* txtDTe;
    QLineEdit* txtQtParc;
    QLineEdit* txtVrDif;
    QGroupBox* frmVCT;
    // Column headings by index: 0 designed, 22, 45, 68 and 91 the copies
    // heading the later columns of rows.
    QMap<int, QLabel*> lblVR;
    QMap<int, QLabel*> lblVCT;
    QMap<int, QLabel*> lblParcela;
    // One entry per instalment row; row 0 always exists.
    QList<QLineEdit*> txtVR;
    QList<QLineEdit*> txtVCT;
    QList<QLabel*> lblParc;
    QList<QLineEdit*> txtIdLan;
    QPushButton* cmdsalva;
    QPushButton* cmdretorna;

    // The quote's header the save stores with the plan, all or nothing.
    void aprova(const receivables::Aprovacao& aprovacao) { aprovacao_ = aprovacao; }
    // For the window that opened the plan, what became of the order at the
    // last save: the approved header as stored, or the order gone, its
    // services changed or (for an approval) its header changed, which closed
    // the plan without a word.
    const std::optional<orderheader::Gravado>& ordem() const { return ordem_; }

    void Form_Activate();
    void txtQtParc_LostFocus();
    void cmdretorna_Click();
    void cmdsalva_Click();
    void LimpaParcelas();
    void MontaParcelas();

protected:
    void showEvent(QShowEvent* event) override;
    void escPressed() override;

private:
    // Rows 1 to `rows` - 1 for a plan of `quantidade` instalments.
    void montaLinhas(int rows, int quantidade);
    void criaLinha(int i);
    void criaTitulos(int index, int column);
    void mostraQuadro();
    void preencheLinha(int i, const QString& nrdoc, const Decimal& valor,
                       const std::optional<QDate>& vencimento, bool travada);
    // Only the received rows, as read.
    void mostraTravadas();
    void refazEmVoltaDasTravadas(int quantidade);
    // The box a refusal of the save is about, if any.
    QWidget* caixa(const parcelas::Recusa& recusa) const;

    QString primeiraAtivacao_ = QStringLiteral("N");
    // The plan's rows as read: a save finding them changed writes nothing.
    db::LoadedRows linhas_ = db::LoadedRows::none();
    // The instalments as read, and those received on: a new plan keeps
    // these and their schedule.
    QList<receivables::ParcelaLida> lidas_;
    QList<receivables::ParcelaLida> travadas_;
    // Received, as shown, and what of it settled the services.
    Decimal recebido_;
    Decimal liquidado_;
    std::optional<receivables::Aprovacao> aprovacao_;
    std::optional<orderheader::Gravado> ordem_;
    QGridLayout* grade_;
};

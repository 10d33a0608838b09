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
// order total), txtcdfor, txtnmfor and, when approving, txtDTe, then show it
// modally; the plan already stored is read when it is first shown. A saved
// plan sets gRetorno to "S" and closes the window.
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

    void Form_Activate();
    void txtQtParc_LostFocus();
    void cmdretorna_Click();
    void cmdsalva_Click();
    void LimpaParcelas();
    void MontaParcelas();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Rows 1 to `rows` - 1 for a plan of `quantidade` instalments.
    void montaLinhas(int rows, int quantidade);
    void criaLinha(int i);
    void criaTitulos(int index, int column);
    void mostraQuadro();
    void preencheLinha(int i, const QString& nrdoc, const Decimal& valor,
                       const std::optional<QDate>& vencimento, bool travada);
    // Only the received rows, first, in `quantidade` rows.
    void mostraTravadas(int quantidade);
    void refazEmVoltaDasTravadas(int quantidade);

    QString primeiraAtivacao_ = QStringLiteral("N");
    // The received rows as the plan was read: a save finding them changed
    // writes nothing.
    QList<receivables::LinhaRecebida> recebidas_;
    // The instalments received on, in the order read: a new plan keeps them.
    QList<receivables::ParcelaLida> travadas_;
    QGridLayout* grade_;
};

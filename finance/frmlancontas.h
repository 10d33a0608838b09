#pragma once

#include "finance/cpagar_lancamento.h"
#include "shell/data_form.h"

#include <QMap>
#include <QVector>

class DataGrid;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
namespace db {
class DataControl;
}

// Entry of bills payable: one supplier document split into monthly
// instalments, recalled, changed and deleted while nothing of it is paid.
class frmlancontas : public DataForm {
    Q_OBJECT
public:
    explicit frmlancontas(QWidget* parent = nullptr);

    QFrame* Frame1;
    QLineEdit* txtnrdoc;
    QLineEdit* txtref;
    QLineEdit* txtcdfor;
    QLineEdit* txtnmfor;
    QPushButton* Command3;
    QLineEdit* txtDTe;
    QLineEdit* txtobs;
    QLineEdit* txtCdCentro;
    QLineEdit* txtNmCentro;
    QPushButton* Command7;
    QLineEdit* txtCdTPd;
    QLineEdit* txtNmTPd;
    QPushButton* Command8;
    QLineEdit* txtQtParc;
    QPushButton* cmdVR;
    db::DataControl* Adodc1;
    DataGrid* DataGrid1;
    QFrame* frmVCT;
    QPushButton* cmdsalva;
    QPushButton* cmdexclu;
    QPushButton* cmdretorna;

    // Instalment rows; member 0 is always there.
    QVector<QLineEdit*> txtVR;
    QVector<QLineEdit*> txtVCT;
    QVector<QLabel*> lblParc;
    QVector<QLineEdit*> txtIdLan;
    // Column headings; 0 heads the first column, 22, 45, 68 and 91 the others.
    QMap<int, QLabel*> lblVR;
    QMap<int, QLabel*> lblVCT;
    QMap<int, QLabel*> lblParcela;

    // "S" when the document shown was read from the database.
    QString encontrado = QStringLiteral("N");

    void Form_Load();
    void Command3_Click();
    void Command7_Click();
    void Command8_Click();
    void txtcdfor_Change();
    void txtCdCentro_Change();
    void txtCdTPd_Change();
    void txtcdfor_LostFocus();
    void txtQtParc_LostFocus();
    void DataGrid1_DblClick();
    void cmdsalva_Click();
    void cmdexclu_Click();
    void cmdretorna_Click();
    void MontaParcelas();
    void LimpaParcelas();
    void LimpaTela();

protected:
    void escPressed() override;

private:
    void montaLinhas(int total);
    QLineEdit* caixaDeLinha(int left, int top, bool data);
    void mostraPainel();
    void destrava(bool livre);
    void buscaNome(QLineEdit* code, QLineEdit* name,
                   const std::function<Statement(qint64)>& statement);
    // A number or supplier retyped after a load: no delete until a load.
    void redigitado();
    // The document read again as stored, after another station changed it.
    void recarrega();
    // "Vr Total" of the instalments.
    void mostraTotal(const Decimal& total);
    // The box a refusal of the save is about, if any.
    QWidget* caixa(const parcelas::Recusa& recusa) const;
    // Says what a save or delete refused for; true when it was refused.
    bool recusado(lancamento::Resultado resultado);
    lancamento::Documento documento() const;
    std::vector<lancamento::Parcela> parcelas() const;

    // The number and supplier of the document read, while `encontrado` is "S",
    // and its rows as read: a save or a delete acts only over those.
    lancamento::Chave lido_;
    db::LoadedRows linhas_;
    // What those rows add up to; none past an amount.
    std::optional<Decimal> totalLido_;
};

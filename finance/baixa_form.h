#pragma once

#include "finance/recibo.h"
#include "registers/list_binding.h"
#include "registers/list_columns_model.h"
#include "shell/data_form.h"

#include <QVector>
#include <functional>
#include <initializer_list>

class AutoResize;
class DataGrid;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
namespace db {
class Connection;
class DataControl;
} // namespace db

// What the payables and receivables settlement screens share: the receipt
// boxes, the two lists, the item frame, the payment methods with their
// frame and list of lines, the totals and the closing.
class BaixaForm : public DataForm {
    Q_OBJECT
public:
    // What sets the two screens apart on sight.
    struct Desenho {
        QString codigo; // label of the code box
        QString listaAberta;
        QList<listbinding::ShareColumn> colunasAbertas;
        QString listaRecibo;
        QList<listbinding::ShareColumn> colunasRecibo;
    };

    QLineEdit* txtNrRec;
    QLineEdit* txtDtBX;
    QLineEdit* txtCdFor;
    QLineEdit* txtNmFor;
    QPushButton* Command2;
    QPushButton* Command18;
    // Command3 to Command9: the payment methods, in their order.
    QVector<QPushButton*> meios;
    QPushButton* Command10;
    QListWidget* List1;
    QLabel* lST;
    QLabel* lPG;
    db::DataControl* Adodc1;
    DataGrid* DataGrid1;
    db::DataControl* Adodc2;
    DataGrid* DataGrid2;
    AutoResize* Resize;

    QGroupBox* frmDest;
    QLabel* lPro;
    QLineEdit* txtVRa;
    QLineEdit* txtVRj;
    QLineEdit* txtVRd;
    QLineEdit* txtVRt;
    QPushButton* Command15;
    QPushButton* Command14;
    QPushButton* Command13;
    QPushButton* Command12;

    QGroupBox* frmMP;
    QLabel* lMP;
    QLineEdit* txtVrMp;
    QLineEdit* txtobs;
    QPushButton* Command16;
    QPushButton* Command17;

    Decimal totalRecibo;
    Decimal totalPagamentos;

    void Form_Load();
    // F2: the picker of the party whose code the screen takes.
    virtual void buscaParte() = 0;
    // Command3_Click to Command9_Click.
    void escolheMeio(int meio);
    void Command16_Click();
    virtual void Command17_Click();
    void List1_DblClick();
    void Command10_Click();
    void Command13_Click();
    void Command12_Click();
    void CalculaTotal();
    virtual void TotalizaRecibo() = 0;
    virtual void TotalizaMeiosPagamento() = 0;
    // Row choice in the open list: the instalment into the item frame.
    virtual void DataGrid1_DblClick() = 0;
    virtual void DataGrid2_DblClick() = 0;

protected:
    BaixaForm(QWidget* parent, const Desenho& desenho);

    // Buttons beside the receipt boxes, in their order.
    void botoesDoRecibo(const QList<QPushButton*>& botoes);
    // Extra rows of the item frame, below the total.
    void linhaDoItem(const QString& rotulo, QWidget* caixa);
    // What the closing of this screen's receipt settles.
    virtual recibo::Fechamento fechamento(const QString& nrrec, const QDate& dtbx) const = 0;
    // The screen ready for a new receipt after a closing; the frames are
    // hidden, the payment list emptied and the totals zeroed before.
    virtual void limpaAposBaixa() = 0;
    // A new receipt number, reserved; nothing when none could be had (what
    // went wrong is shown).
    std::optional<QString> novoNumero();
    // Whether a receipt is shown that the screen may add to and close.
    virtual bool reciboIniciado() const;
    // Neither frame stays open on another receipt: every start, resume and
    // closing hides them.
    void escondeQuadros();
    QStringList linhas() const;
    // The name the code found, shown from its beginning even when Enter has
    // already taken the focus into the name box.
    void mostraNome(const QString& nome);
    // Shows a picker and takes its code into the code box.
    void escolheCodigo(const std::function<void()>& picker);
    // The open receipt chosen in the picker of mode `modo`; empty when none
    // was chosen or the program is ending.
    QString escolheReciboPendente(const QString& modo);
    enum class Escrita { Falhou, Recusada, Feita };
    // Runs a write on the shared connection under the hourglass. A failed
    // statement is shown (Falhou). A write refused (the refusal it gives, or
    // a lock another window held past every retry) is said (Recusada): the
    // lists are to be read again, as after one done.
    Escrita escreve(const std::function<std::optional<dlg::Message>(db::Connection&)>& escrita);
    // The open list's row into the item frame, shown: its open value, no
    // interest or discount yet, and `documento`.
    void mostraItem(int row, const QString& documento);
    // The item refused: the focus goes to the first of `caixas` that holds
    // no amount, else to the last.
    void recusaItem(const dlg::Message& recusa, std::initializer_list<QLineEdit*> caixas);
    // After the item of the row whose `coluna` holds `chave` was written
    // (`escrita` Feita) or refused: both lists read again, the receipt's
    // totals too once written, and the frame shows that instalment while it
    // still has a balance, or the next open one.
    void depoisDeAdicionar(const QString& coluna, const QString& chave, Escrita escrita);
    // The receipt list, the payment methods and the closing, together; the
    // closing only while a receipt number is shown.
    void ativaPagamento(bool ativo);
    // Whether the frames are shown (whatever the window itself is).
    bool mostrando(QWidget* frame) const;
    void mostra(QWidget* frame, QWidget* focus);

    bool previewKey(QKeyEvent* event) override;

    // The interest and discount boxes are left selected whenever the form
    // rewrites them.
    bool selecionaJurosEDescontos = false;

private:
    void passo(int delta);
    // The open list's row whose `coluna` holds `chave`; -1 when none.
    int linhaAberta(const QString& coluna, const QString& chave) const;
    void selecionaValores();

    Desenho desenho_;
    QGridLayout* item_ = nullptr;
    QHBoxLayout* botoesRecibo_ = nullptr;
};

#pragma once

#include "platform/db/loaded_row.h"
#include "platform/decimal.h"
#include "service_orders/order_header.h"
#include "service_orders/order_lookups.h"
#include "shell/data_form.h"

#include <QDate>
#include <QList>
#include <optional>

class QComboBox;
class QHBoxLayout;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QVBoxLayout;

// What the windows that edit one order's header share: the header boxes,
// filled from the order's row, its client and its collaborator; the pickers
// on F2 and F3; the header check and save. The list writes the order number
// into txtOsNo; the order is loaded when the focus leaves that box.
class OrderHeaderForm : public DataForm {
    Q_OBJECT
public:
    QLineEdit* txtOsNo;
    QLineEdit* txtDt;
    QComboBox* cboSit;
    QLineEdit* txtCdCli;
    QLineEdit* txtNmCli;
    QLineEdit* txtCNPJ;
    QLineEdit* txtIE;
    QLineEdit* txtRua;
    QLineEdit* txtNr;
    QLineEdit* txtBairro;
    QLineEdit* txtCep;
    QLineEdit* txtCidade;
    QLineEdit* txtUF;
    QLineEdit* txtNmSol;
    QLineEdit* txtFone;
    QLineEdit* txtCdVen;
    QLineEdit* txtNmVen;
    QPlainTextEdit* txtIA;

    void txtOsNo_Change();
    virtual void txtOsNo_LostFocus() = 0;
    void txtCdCli_Change();
    void txtCdCli_LostFocus();
    void txtCdVen_Change();

protected:
    // The status box offers the statuses `primeira` to `ultima`.
    OrderHeaderForm(QWidget* parent, int primeira, int ultima);

    // Number, date and status, then `botoes` at the right.
    QHBoxLayout* linhaDoNumero(const QList<QPushButton*>& botoes);
    // Client, address, requester and collaborator, additional information.
    void linhasDoCabecalho(QVBoxLayout* layout);

    // Loads the order of the number box: its header, client and
    // collaborator. True when a number not loaded before was loaded; leaving
    // the box again does not reload it over the user's edits.
    bool carregaOrdem();
    // False, the user told, when the header may not be stored.
    bool cabecalhoCompleto();
    // Stores the header boxes and tells the user it did; false (the user
    // told why) when nothing was stored. Over an order another station
    // changed since it was loaded, it also loads the order again; over one
    // gone, the window shows none.
    bool gravaCabecalho();
    // A completed order opens for viewing and printing only: the window
    // disables whatever would change it. Set at each load and save.
    virtual void apenasConsulta(bool consulta) = 0;
    // The order the window had loaded is gone: it shows none, its boxes and
    // lists emptied.
    virtual void limpaOrdem();
    // Shows the receivables plan of the order for `total` and the client in
    // the boxes; a plan still to be made is issued on `emissao`. An approval
    // stores the header boxes with the plan, first checking the order still
    // is as loaded. Then tells what became of the order; a plan refused
    // because the services changed meanwhile reloads the approval's order,
    // while outside an approval the header boxes keep what was typed.
    void mostraPlano(Decimal total, const std::optional<QDate>& emissao = std::nullopt,
                     bool aprovacao = false);

    bool previewKey(QKeyEvent* event) override;
    void enterPressed(QWidget* from) override;

private:
    orderlookups::Cabecalho cabecalho() const;
    // Tells what a save came to, reloading or emptying the window as it
    // says; true when it was stored.
    bool mostraGravado(std::optional<orderheader::Gravado> gravado);
    // The same for a save that could not be done; false when it could. An
    // order changed elsewhere is loaded again only when `recarrega`.
    bool recusado(const orderheader::Gravado& gravado, bool recarrega = true);

    int primeira_;
    int ultima_;
    QString carregado_;
    db::LoadedRow lida_;
};

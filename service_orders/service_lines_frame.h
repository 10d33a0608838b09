#pragma once

#include "service_orders/service_lines.h"

#include <QGroupBox>
#include <optional>

class DataGrid;
class QLabel;
class QLineEdit;
class QPushButton;
namespace db {
class DataControl;
}

// The service lines of one order as the quote and services windows carry
// them: the line entry, the grid of lines (a row selected asks to delete it)
// and the totals line. Lines are stored the moment they are added.
class ServiceLinesFrame : public QGroupBox {
    Q_OBJECT
public:
    // `numero` is the window's order-number box.
    ServiceLinesFrame(QWidget* parent, QLineEdit* numero);

    QLineEdit* txtDsSRV;
    QLineEdit* txtUn;
    QLineEdit* txtQt;
    QLineEdit* txtVU;
    QLineEdit* txtPD;
    QPushButton* Command2;
    DataGrid* DataGrid1;
    QLabel* lTL;
    db::DataControl* Adodc1;

    // Reads the lines of the order in the number box; false when it failed.
    bool carregaLinhas();
    // Sums the lines and shows them in the totals line; nothing when the
    // sums could not be read.
    std::optional<servicelines::Totais> somaTotais();
    // Sets one discount on every line of the order.
    void aplicaDesconto(Decimal pd);
    // The lines of a completed order are shown, never added or deleted.
    void apenasConsulta(bool consulta);
    // The order is gone: the frame and its number box show none.
    void limpa();
    void Command2_Click();
    void DataGrid1_DblClick();

Q_SIGNALS:
    // Lines were added, deleted or changed: the window recomputes its totals.
    void linhasMudaram();

private:
    std::optional<qint64> numeroOrdem() const;
    void limpaEntrada();
    // Tells why nothing was written; an order gone is cleared away.
    void recusou(const dlg::Message& recusa);

    QLineEdit* numero_;
    bool consulta_ = false;
};

#pragma once

#include <QString>
#include <QStringList>

class QComboBox;

// The status digits of an order and the items the status boxes show.
namespace orderstatus {

// "0 - Em Orçamento" … "4 - Concluída".
QString item(int digit);
// Fills a status box with the items of the digits from `first` to `last`.
void preenche(QComboBox* box, int first, int last);
// Shows the item of a stored digit; a status the box does not offer is
// added, so a save keeps it.
void mostra(QComboBox* box, const QString& digit);
// The digit a save writes: the first character of the shown item.
QString digito(const QComboBox* box);
// A completed order ("4") opens for viewing and printing only.
bool concluida(const QString& digit);

} // namespace orderstatus

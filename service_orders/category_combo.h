#pragma once

class QComboBox;
namespace db {
class DataControl;
}

// Fills a category list from `categorias` in the order the server gives, read
// through a window's list control, which is closed again. A failure is shown
// and leaves the list empty.
void preencheCategorias(db::DataControl* control, QComboBox* combo);

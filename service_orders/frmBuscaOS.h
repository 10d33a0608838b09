#pragma once

#include "registers/picker_form.h"

class QPushButton;

// Service-order picker: finds orders of any status by client name or by
// requester and hands back osnr only.
class frmBuscaOS : public PickerForm {
    Q_OBJECT
public:
    explicit frmBuscaOS(QWidget* parent = nullptr);

    QPushButton* Command1;
    QPushButton* Command4;
    QPushButton* Command5;

    void Command1_Click();
    void Command4_Click();
    void Command5_Click();

protected:
    void escPressed() override;

private:
    void pesquisa(const QString& prompt, const QString& title,
                  const std::function<Statement(const QString&)>& source);
};

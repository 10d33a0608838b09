#include "platform/qt_dialogs.h"
#include "platform/qt_portuguese.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

QStringList buttonTexts(const QWidget& box) {
    QStringList texts;
    for (const QDialogButtonBox* row : box.findChildren<QDialogButtonBox*>()) {
        for (const QAbstractButton* b : row->buttons())
            texts << b->text();
    }
    return texts;
}

} // namespace

TEST(QtDialogs, BoxesSpeakPortuguese) {
    ASSERT_TRUE(loadQtPortuguese());
    const auto input = dlg::QtDialogs::inputBox(
        {QStringLiteral("Cliente:"), QStringLiteral("Pesquisar pelo cliente"), {}});
    EXPECT_EQ(buttonTexts(*input), (QStringList{QStringLiteral("OK"), QStringLiteral("Cancelar")}));

    using Purpose = dlg::QtDialogs::FilePurpose;
    const dlg::FileChoice choice{QStringLiteral("Salvar PDF como"), QDir::tempPath(),
                                 QStringLiteral("Arquivos PDF (*.pdf)"), QString()};
    for (const auto& [purpose, accept] :
         {std::pair{Purpose::Open, "Abrir"}, std::pair{Purpose::Save, "Salvar"},
          std::pair{Purpose::Folder, "Escolher"}}) {
        SCOPED_TRACE(accept);
        const auto box = dlg::QtDialogs::fileBox(choice, purpose);
        const QStringList texts = buttonTexts(*box);
        EXPECT_TRUE(texts.contains(QString::fromUtf8(accept))) << texts.join(u'|').toStdString();
        EXPECT_TRUE(texts.contains(QStringLiteral("Cancelar")));
    }
}

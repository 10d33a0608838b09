#include "shell/background_picture.h"
#include "shell/frmPlanoFundo.h"
#include "tests/support/file_bytes.h"
#include "tests/support/scripted_dialogs.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using testsupport::fileBytes;

namespace {

void writePicture(const QString& path, QColor color, int width) {
    QImage image(width, width / 2, QImage::Format_RGB32);
    image.fill(color);
    ASSERT_TRUE(image.save(path, "JPG"));
}

QStringList listed(const frmPlanoFundo& form) {
    QStringList out;
    for (int i = 0; i < form.File1->count(); ++i)
        out << form.File1->item(i)->text();
    return out;
}

void select(frmPlanoFundo& form, const QString& name) {
    const QList<QListWidgetItem*> found = form.File1->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    form.File1->setCurrentItem(found.first());
}

class BackgroundWindow : public ::testing::Test {
protected:
    void SetUp() override {
        qputenv("QUENDARO_DIR", program.path().toLocal8Bit());
        writePicture(program.filePath(QStringLiteral("logo.JPG")), Qt::red, 64);
        writePicture(other.filePath(QStringLiteral("praia.jpg")), Qt::blue, 200);
        writePicture(other.filePath(QStringLiteral("serra.Jpg")), Qt::green, 40);
        QFile(other.filePath(QStringLiteral("nota.png"))).open(QIODevice::WriteOnly);
    }
    void TearDown() override { qunsetenv("QUENDARO_DIR"); }
    QString backgroundPath() const { return program.filePath(QStringLiteral("planofundo.jpg")); }

    QTemporaryDir program;
    QTemporaryDir other;
    testsupport::ScriptedDialogs dialogs;
};

} // namespace

TEST_F(BackgroundWindow, OpensOnTheProgramFolderWithTheCurrentBackground) {
    {
        frmPlanoFundo form;
        EXPECT_EQ(listed(form), QStringList{QStringLiteral("logo.JPG")});
        EXPECT_TRUE(form.imgFundo->pixmap().isNull());
    }
    writePicture(backgroundPath(), Qt::yellow, 80);
    frmPlanoFundo form;
    EXPECT_EQ(listed(form),
              (QStringList{QStringLiteral("logo.JPG"), QStringLiteral("planofundo.jpg")}));
    EXPECT_EQ(form.imgFundo->pixmap().width(), 80);
}

TEST_F(BackgroundWindow, PictureFromAnotherFolderReplacesTheBackground) {
    // A longer old background keeps nothing of itself.
    writePicture(backgroundPath(), Qt::yellow, 800);
    frmPlanoFundo form;
    form.show();

    dialogs.answerFile(QString()); // cancelled choice
    form.Command1_Click();
    EXPECT_EQ(form.folder(), program.path());

    dialogs.answerFile(other.path());
    form.Command1_Click();
    EXPECT_EQ(listed(form),
              (QStringList{QStringLiteral("praia.jpg"), QStringLiteral("serra.Jpg")}));
    select(form, QStringLiteral("serra.Jpg"));
    EXPECT_EQ(form.imgFundo->pixmap().width(), 40);

    dialogs.answer(dlg::Answer::No);
    form.Command2_Click();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(dialogs.messages().at(0).text, QStringLiteral("Confirma?"));
    EXPECT_EQ(dialogs.messages().at(0).defaultButton, dlg::Answer::No);
    EXPECT_NE(fileBytes(backgroundPath()), fileBytes(other.filePath(QStringLiteral("serra.Jpg"))));

    dialogs.answer(dlg::Answer::Yes);
    form.Command2_Click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(fileBytes(backgroundPath()), fileBytes(other.filePath(QStringLiteral("serra.Jpg"))));
}

TEST_F(BackgroundWindow, SavingTheBackgroundItselfOrNothingCopiesNothing) {
    writePicture(backgroundPath(), Qt::yellow, 120);
    const QByteArray before = fileBytes(backgroundPath());
    frmPlanoFundo form;
    form.show();

    dialogs.answer(dlg::Answer::Yes);
    form.Command2_Click();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(fileBytes(backgroundPath()), before);

    select(form, QStringLiteral("planofundo.jpg"));
    dialogs.answer(dlg::Answer::Yes);
    form.Command2_Click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(fileBytes(backgroundPath()), before);
    EXPECT_EQ(background::copy(program.filePath(QStringLiteral("./planofundo.jpg")), nullptr),
              background::CopyResult::SameFile);
    EXPECT_EQ(fileBytes(backgroundPath()), before);
}

TEST_F(BackgroundWindow, RemovalAsksThenDeletesEvenReadOnly) {
    writePicture(backgroundPath(), Qt::yellow, 80);
    QFile::setPermissions(backgroundPath(), QFileDevice::ReadOwner);
    {
        frmPlanoFundo form;
        form.show();
        dialogs.answer(dlg::Answer::No);
        form.Command3_Click();
        EXPECT_TRUE(form.isVisible());
        EXPECT_TRUE(QFile::exists(backgroundPath()));
        EXPECT_EQ(dialogs.messages().at(0).text,
                  QStringLiteral("Confirma a remoção do plano de fundo?"));
        dialogs.answer(dlg::Answer::Yes);
        form.Command3_Click();
        EXPECT_FALSE(form.isVisible());
        EXPECT_FALSE(QFile::exists(backgroundPath()));
    }
    // Nothing to remove: the window still closes, without a message.
    dialogs.clear();
    frmPlanoFundo form;
    form.show();
    dialogs.answer(dlg::Answer::Yes);
    form.Command3_Click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(dialogs.messages().size(), 1u);
}

TEST_F(BackgroundWindow, FailedCopyKeepsTheOldBackgroundAndTheWindow) {
    writePicture(backgroundPath(), Qt::yellow, 80);
    const QByteArray before = fileBytes(backgroundPath());
    frmPlanoFundo form;
    form.show();
    dialogs.answerFile(other.path());
    form.Command1_Click();
    select(form, QStringLiteral("praia.jpg"));
    QFile::remove(other.filePath(QStringLiteral("praia.jpg")));
    dialogs.answer(dlg::Answer::Yes);
    form.Command2_Click();
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(dialogs.texts().last().startsWith(QStringLiteral("--- ERRO --- ")));
    EXPECT_EQ(fileBytes(backgroundPath()), before);
}

#pragma once

#include "reports/text_pdf_writer.h"
#include "shell/data_form.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// The print assistant: turns the text report named in the shared state into
// a PDF and opens it, exports the report to a spreadsheet and hands a file
// to the mail composer. The text file is deleted when the assistant closes.
class frmgerapdfp : public DataForm {
    Q_OBJECT
public:
    explicit frmgerapdfp(QWidget* parent = nullptr);

    QFrame* frmTitle;
    QLabel* lblCaption;
    QLabel* imgIcon;
    QLineEdit* txtFilename;
    QPushButton* btnOpen;
    QLineEdit* txtOutputFile;
    QPushButton* btnSave;
    QLineEdit* txtAuthor;
    QLineEdit* txtCreator;
    QLineEdit* txtTitle;
    QLineEdit* txtSubject;
    QLineEdit* txtKeywords;
    QComboBox* cmbFont;
    QComboBox* cmbFontSize;
    QComboBox* cmbRotation;
    QComboBox* cmbPageSize;
    QPushButton* btnConvert;
    QPushButton* btnClose;
    QPushButton* Command2;
    QPushButton* Command1;

    void Form_Load();
    void Form_Activate();
    void btnConvert_Click();
    void btnClose_Click();
    void btnOpen_Click();
    void btnSave_Click();
    void Command2_Click();
    void Command1_Click();

    // The system's file dialogs; `Filter` pairs descriptions and patterns
    // with "|". Empty when cancelled.
    static QString OpenDialog(const QString& Filter, const QString& Title, const QString& InitDir);
    static QString SaveDialog(const QString& Filter, const QString& Title, const QString& InitDir,
                              const QString& DefaultFilename);

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The conversion with the values of the boxes; true when the PDF was written.
    bool convertWithBoxes();
    void buildLayout();

    TextPdfWriter writer_;
    bool activated_ = false;
};

#pragma once

// The main window: the board outline on the left; on the right the message list above the
// message text; above them a bar with the board label, the count label, the order pop-up,
// the board-colour check box, the zoom slider, the background colour well and the read
// button. It holds the widgets only; DodOvozaController wires them to the logic.

#include <QMainWindow>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSlider;
class QSplitter;
class QTreeView;

namespace tavrel {

class ColorWell;
class MessageTextView;

class TavrelWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit TavrelWindow(QWidget* parent = nullptr);

    QTreeView* kaigishitsuTable() const { return m_kaigishitsuTable; }
    QTreeView* hatsugenTitleTable() const { return m_hatsugenTitleTable; }
    MessageTextView* hatsugenNaiyouTextView() const { return m_textView; }
    QPushButton* readMidokuButton() const { return m_readMidokuButton; }
    QComboBox* titleHyoujiJunPopUp() const { return m_orderPopUp; }
    QLabel* boardLabel() const { return m_boardLabel; }
    QLabel* countLabel() const { return m_countLabel; }
    QSlider* zoomSlider() const { return m_zoomSlider; }
    ColorWell* tavrelColorWell() const { return m_colorWell; }
    QCheckBox* useOriginalColorCheck() const { return m_useOriginalColorCheck; }

    // The zoom slider's value as a factor (1 = natural size).
    double zoomFactor() const;
    void setZoomFactor(double factor);

    // Pane sizes saved with the preferences.
    int messageListPaneHeight() const;
    void setMessageListPaneHeight(int height);
    int boardPaneWidth() const;
    void setBoardPaneWidth(int width);

signals:
    // The user closed the window: the application is asked to quit.
    void quitRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* makeBar();

    QTreeView* m_kaigishitsuTable;
    QTreeView* m_hatsugenTitleTable;
    MessageTextView* m_textView;
    QPushButton* m_readMidokuButton;
    QComboBox* m_orderPopUp;
    QLabel* m_boardLabel;
    QLabel* m_countLabel;
    QSlider* m_zoomSlider;
    ColorWell* m_colorWell;
    QCheckBox* m_useOriginalColorCheck;
    QSplitter* m_mainSplitter;
    QSplitter* m_rightSplitter;
};

} // namespace tavrel

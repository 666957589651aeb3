// A stand-alone up-down control: two arrow buttons, no buddy field, no wrapping, no keyboard.
// Each click proposes a change of one step; the owner accepts or refuses it.
#pragma once

#include <QWidget>

#include <functional>

class QToolButton;

class CUpDownCtrl : public QWidget {
    Q_OBJECT

public:
    // Returns true when the change is accepted.
    using DeltaHandler = std::function<bool(int nPos, int nDelta)>;

    explicit CUpDownCtrl(QWidget* pParent);

    void SetDeltaHandler(DeltaHandler handler) { m_handler = std::move(handler); }
    void SetRange(int nLower, int nUpper);
    void GetRange(int& nLower, int& nUpper) const;
    void SetPos(int nPos);
    int GetPos() const { return m_nPos; }
    // As a user's click on one arrow (tests and keyboard play).
    void Step(int nDelta);

protected:
    void resizeEvent(QResizeEvent* pEvent) override;
    void changeEvent(QEvent* pEvent) override;

private:
    QToolButton* m_pUp;
    QToolButton* m_pDown;
    DeltaHandler m_handler;
    int m_nLower = 0;
    int m_nUpper = 100;
    int m_nPos = 0;
};

#pragma once

#include <QWidget>
#include <memory>
#include <vector>

class BoundObservers;
class CQuenlarRemoteDoc;
class QComboBox;
class QGroupBox;
struct GpioSide;

// The "GPIO" page of the setup dialog: for each general-purpose input and output line its
// function, trigger and polarity, one list each. Like the monitor page it is bound to the
// document's parameters only while shown.
class CGpioSetupPage : public QWidget {
public:
    static constexpr int lines = 14;

    explicit CGpioSetupPage(QWidget* parent);
    ~CGpioSetupPage() override;

    void setDocument(CQuenlarRemoteDoc* document);
    bool isBound() const { return bindings_ != nullptr; }

    // The list of column (0 function, 1 trigger, 2 polarity) of a line; output lines follow the
    // input lines (line 14 is the first output).
    QComboBox& list(int line, int column) const { return *lists_.at(line * columns + column); }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    static constexpr int columns = 3;
    QGroupBox* buildSide(const GpioSide& side, int firstLine);
    void bind(CQuenlarRemoteDoc& document);
    void bindSide(BoundObservers& bindings, const GpioSide& side, int firstLine);

    CQuenlarRemoteDoc* document_ = nullptr;
    std::vector<QComboBox*> lists_;
    std::unique_ptr<BoundObservers> bindings_;
};

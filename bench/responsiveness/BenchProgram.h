#pragma once

#include <QObject>
#include <QTemporaryDir>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/CQuenlarRemoteApp.h"
#include "app/SettingsStore.h"
#include "bench/responsiveness/BenchSeam.h"
#include "link/LineTap.h"

class CQuenlarRemoteDoc;

// The whole desktop program for one run: its settings in a throw-away folder, 'Open Device'
// answered with OK once the splash is gone, and from then on the frame's first showing noted and
// every byte of the line counted, so that start-up and long work can be held against their time on
// the wire.
class BenchProgram : public QObject {
public:
    using Time = std::chrono::steady_clock::time_point;

    // An empty port runs off line; reconnect answers a communications error "Try To Reconnect".
    BenchProgram(const std::string& port, std::uint32_t baud, bool reconnect);

    // Runs the start-up; false when the program ended it.
    bool start();

    CQuenlarRemoteDoc& document() { return *program_.document(); }
    const BenchSeam& seam() const { return seam_; }
    // Bytes that crossed the line either way so far.
    std::size_t lineBytes() const { return tap_.bytes; }
    QString folderPath(const QString& name) const { return folder_.filePath(name); }

    Time acceptedAt() const { return seam_.acceptedAt(); }
    Time shownAt() const { return shownAt_; }
    Time startedAt() const { return startedAt_; }
    std::size_t bytesAtShow() const { return bytesAtShow_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct ByteCounter : LineTap {
        void sent(std::span<const std::uint8_t> sent) override { bytes += sent.size(); }
        void received(std::size_t, std::span<const std::uint8_t> came) override {
            bytes += came.size();
        }
        std::size_t bytes = 0;
    };

    void watchOpening();

    QTemporaryDir folder_;
    SettingsStore settings_;
    BenchSeam seam_;
    // Outlives the program, whose line reports to it to the end.
    ByteCounter tap_;
    CQuenlarRemoteApp program_;
    Time shownAt_{};
    Time startedAt_{};
    std::size_t bytesAtShow_ = 0;
};

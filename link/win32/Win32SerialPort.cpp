#include "link/win32/Win32SerialPort.h"

#include <string>

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "model/QuenlarException.h"

Win32SerialPort::Win32SerialPort(int portNumber, std::uint32_t baud) {
    open(portNumber, baud);
}

Win32SerialPort::~Win32SerialPort() {
    closeHandle();
}

void Win32SerialPort::open(int portNumber, std::uint32_t baud) {
    // While open the port stays on its COM port: a repair must reopen that one, not another.
    if (!isOpen())
        portNumber_ = portNumber;
    countOpen(baud);
}

// The device namespace name reaches COM10 and above, which the plain name does not.
void Win32SerialPort::openDevice(std::uint32_t baud) {
    const std::string number = std::to_string(portNumber_);
    const std::string deviceName = "\\\\.\\COM" + number;
    HANDLE handle = ::CreateFileA(deviceName.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        throw QuenlarException("Error opening COM" + number);
    handle_ = handle;
    try {
        configure(baud);
    } catch (...) {
        closeHandle();
        throw;
    }
}

// The speed and the 8N1 framing are set, and software flow control, null stripping and error
// character replacement are turned off: frames are binary, and XON/XOFF would swallow the bytes
// 0x11 and 0x13 inside them whatever left the port that way. Hardware flow control and the rest
// stay as the driver has them.
void Win32SerialPort::configure(std::uint32_t baud) {
    DCB state{};
    state.DCBlength = sizeof(state);
    if (!::GetCommState(handle_, &state))
        throw QuenlarException("error getting the serial port state");
    state.BaudRate = baud;
    state.ByteSize = 8;
    state.Parity = NOPARITY;
    state.StopBits = ONESTOPBIT;
    state.fOutX = FALSE;
    state.fInX = FALSE;
    state.fNull = FALSE;
    state.fErrorChar = FALSE;
    if (!::SetCommState(handle_, &state))
        throw QuenlarException("Error setting the serial port state.");
}

void Win32SerialPort::closeDevice() {
    closeHandle();
}

void Win32SerialPort::closeHandle() {
    if (handle_ == nullptr)
        return;
    ::CloseHandle(handle_);
    handle_ = nullptr;
}

// A read waits for all its bytes up to ms in total; a write may take 200 ms.
void Win32SerialPort::applyTimeout(std::uint32_t ms) {
    COMMTIMEOUTS timeouts{};
    timeouts.ReadIntervalTimeout = 0;
    timeouts.ReadTotalTimeoutMultiplier = 0;
    timeouts.ReadTotalTimeoutConstant = ms;
    timeouts.WriteTotalTimeoutMultiplier = 0;
    timeouts.WriteTotalTimeoutConstant = writeTimeoutMs;
    if (handle_ == nullptr || !::SetCommTimeouts(handle_, &timeouts))
        throw QuenlarException("Error setting the serial port timeouts.");
}

// A failed read (the adapter was pulled, say) delivers what it has, usually nothing.
std::size_t Win32SerialPort::read(std::uint8_t* buffer, std::size_t count) {
    DWORD got = 0;
    if (handle_ != nullptr)
        ::ReadFile(handle_, buffer, static_cast<DWORD>(count), &got, nullptr);
    return got;
}

bool Win32SerialPort::writeOnce(const std::uint8_t* bytes, std::size_t count) {
    DWORD sent = 0;
    return handle_ != nullptr &&
           ::WriteFile(handle_, bytes, static_cast<DWORD>(count), &sent, nullptr) && sent == count;
}

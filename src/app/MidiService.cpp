#include "app/MidiService.h"

std::uint32_t packShortMessage(std::uint8_t status, std::uint8_t data1, std::uint8_t data2)
{
    return std::uint32_t(status) | (std::uint32_t(data1) << 8) | (std::uint32_t(data2) << 16);
}

MidiService::MidiService(std::unique_ptr<platform::MidiTransport> transport)
    : transport_(std::move(transport))
{
}

MidiService::~MidiService()
{
    close();
}

bool MidiService::open()
{
    if (!open_ && transport_) {
        try {
            open_ = transport_->open();
        } catch (...) {
            open_ = false;
        }
    }
    available_ = open_;
    return open_;
}

bool MidiService::sendPacked(std::uint32_t message)
{
    // An unopened device has nothing to send to: the send fails quietly.
    if (!open_)
        return false;
    try {
        return transport_->send(message);
    } catch (...) {
        return false;
    }
}

void MidiService::send(std::uint8_t status, std::uint8_t data1, std::uint8_t data2)
{
    // The result is deliberately dropped: effects are fire and forget, and one
    // failed note must not hide the menu's sound switch in mid-run.
    sendPacked(packShortMessage(status, data1, data2));
}

void MidiService::close()
{
    if (!open_)
        return;
    open_ = false;
    try {
        transport_->close();
    } catch (...) {
    }
}

void MidiService::ensureStarted()
{
    if (!started_)
        startUp();
}

void MidiService::startUp()
{
    started_ = true;
    available_ = true;
    if (!open())
        return;
    for (std::uint8_t channel = 0; channel < 16; ++channel) {
        if (!sendPacked(packShortMessage(0xC0 + channel, kChannelPrograms[channel], 0))) {
            available_ = false;
            return;
        }
    }
}

#include "app/MidiService.h"
#include "platform/MidiSynth.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

using platform::RecordingMidi;

namespace {

// Channel 0..15 -> programs 1,100,98,46,55,47,108,107,114,115,127,123,106,116,117,118.
const std::vector<std::uint32_t> kStartUpMessages = {
    0x0001C0, 0x0064C1, 0x0062C2, 0x002EC3, 0x0037C4, 0x002FC5, 0x006CC6, 0x006BC7,
    0x0072C8, 0x0073C9, 0x007FCA, 0x007BCB, 0x006ACC, 0x0074CD, 0x0075CE, 0x0076CF,
};

struct Rig {
    explicit Rig(bool opens = true, int failAfter = -1)
    {
        auto transport = std::make_unique<RecordingMidi>();
        transport->openResult = opens;
        transport->failAfter = failAfter;
        device = transport.get();
        service = std::make_unique<MidiService>(std::move(transport));
    }
    RecordingMidi* device;
    std::unique_ptr<MidiService> service;
};

// Throws where a device would report an error; counts closes for the test
// after its owner is gone.
class Faulty : public RecordingMidi {
public:
    explicit Faulty(int& closes) : closes_(closes) {}
    bool send(std::uint32_t message) override
    {
        if (messages.size() == 3)
            throw std::runtime_error("device gone");
        return RecordingMidi::send(message);
    }
    void close() override
    {
        ++closes_;
        throw std::runtime_error("device gone");
    }

private:
    int& closes_;
};

} // namespace

TEST(ShortMessage, PacksStatusThenDataBytes)
{
    EXPECT_EQ(packShortMessage(0x99, 0x3C, 0x7F), 0x007F3C99u);
    EXPECT_EQ(packShortMessage(0xC0, 0x01, 0x00), 0x000001C0u);
    EXPECT_EQ(packShortMessage(0xFF, 0xFF, 0xFF), 0x00FFFFFFu) << "bits 24-31 stay zero";
}

TEST(MidiStartUp, GivesEachChannelItsInstrumentInChannelOrder)
{
    Rig rig;
    rig.service->startUp();
    EXPECT_TRUE(rig.service->midiAvailable());
    EXPECT_EQ(rig.device->openCount, 1);
    EXPECT_EQ(rig.device->messages, kStartUpMessages);
}

TEST(MidiStartUp, NoDeviceMeansUnavailableAndNothingSent)
{
    Rig rig(false);
    rig.service->startUp();
    EXPECT_FALSE(rig.service->midiAvailable());
    rig.service->send(0x99, 60, 127);
    rig.service->close();
    EXPECT_EQ(rig.device->sendCount, 0);

    MidiService without(nullptr);
    without.startUp();
    without.send(0x99, 60, 127);
    EXPECT_FALSE(without.midiAvailable());
}

TEST(MidiStartUp, FailedProgramChangeStopsTheSequenceAndTurnsMidiOff)
{
    for (int failAfter : {0, 5, 15}) {
        Rig rig(true, failAfter);
        rig.service->startUp();
        EXPECT_FALSE(rig.service->midiAvailable()) << failAfter;
        EXPECT_EQ(rig.device->sendCount, failAfter + 1) << failAfter;
        EXPECT_EQ(rig.device->messages,
                  std::vector<std::uint32_t>(kStartUpMessages.begin(), kStartUpMessages.begin() + failAfter));
    }
    Rig allThrough(true, 16);
    allThrough.service->startUp();
    EXPECT_TRUE(allThrough.service->midiAvailable());
    allThrough.service->send(0x99, 60, 127);
    EXPECT_EQ(allThrough.device->sendCount, 17);
    EXPECT_TRUE(allThrough.service->midiAvailable()) << "a failed effect changes nothing";
}

TEST(MidiStartUp, DeviceErrorsRaisedAreSwallowedAndCloseHappensOnce)
{
    int closes = 0;
    EXPECT_NO_THROW({
        MidiService service(std::make_unique<Faulty>(closes));
        service.startUp();
        EXPECT_FALSE(service.midiAvailable());
        service.send(0x90, 60, 127);
        service.close();
    });
    EXPECT_EQ(closes, 1);
    EXPECT_NO_THROW({
        MidiService service(std::make_unique<Faulty>(closes));
        service.startUp();
    });
    EXPECT_EQ(closes, 2) << "destruction closes the device";
}

TEST(MidiStartUp, EveryChannelSoundsOnTheBuiltInSynthAfterwards)
{
    // Channel 9 is the percussion channel, where program 115 names no drum
    // kit; the synth must still play its drums there.
    Rig rig;
    rig.service->startUp();
    const QString font = platform::findSoundFont();
    ASSERT_FALSE(font.isEmpty());
    for (std::uint32_t channel = 0; channel < 16; ++channel) {
        std::vector<std::pair<int, std::uint32_t>> events;
        for (std::uint32_t message : rig.device->messages)
            events.push_back({0, message});
        events.push_back({0, packShortMessage(0x90 + channel, 60, 127)});
        const auto pcm = platform::renderOffline(font, events, 300);
        ASSERT_FALSE(pcm.empty());
        double sum = 0;
        for (std::int16_t sample : pcm)
            sum += double(sample) * sample;
        EXPECT_GT(std::sqrt(sum / double(pcm.size())), 100.0) << "channel " << channel;
    }
}

TEST(MidiService, OpenSetsAvailabilityAndPutShortNeedsOnlyAnOpenDevice)
{
    Rig rig(false);
    rig.service->send(0x99, 60, 127);
    rig.service->setMidiAvailable(true);
    EXPECT_FALSE(rig.service->open());
    EXPECT_FALSE(rig.service->midiAvailable());
    EXPECT_EQ(rig.device->sendCount, 0);

    rig.device->openResult = true;
    EXPECT_TRUE(rig.service->open());
    EXPECT_TRUE(rig.service->midiAvailable());
    rig.service->setMidiAvailable(false);
    EXPECT_TRUE(rig.service->open()) << "an open device stays open";
    EXPECT_EQ(rig.device->openCount, 2);

    rig.service->setMidiAvailable(false);
    rig.service->send(0x99, 60, 127);
    EXPECT_EQ(rig.device->messages, std::vector<std::uint32_t>{0x7F3C99});
    rig.service->close();
    rig.service->close();
    rig.service->send(0x84, 60, 127);
    EXPECT_EQ(rig.device->messages.size(), 1u);
    EXPECT_EQ(rig.device->closeCount, 1);
}

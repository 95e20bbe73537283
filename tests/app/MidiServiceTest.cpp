#include "app/MidiService.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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

// Reports its closes to the test after the service that owns it is gone.
class CloseCounting : public RecordingMidi {
public:
    explicit CloseCounting(int& closes) : closes_(closes) {}
    void close() override
    {
        ++closes_;
        RecordingMidi::close();
    }

private:
    int& closes_;
};

class Throwing : public RecordingMidi {
public:
    bool send(std::uint32_t message) override
    {
        if (messages.size() == 3)
            throw std::runtime_error("device gone");
        return RecordingMidi::send(message);
    }
    void close() override { throw std::runtime_error("device gone"); }
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
    rig.service->PutShort(0x99, 60, 127);
    rig.service->CloseMidi();
    EXPECT_EQ(rig.device->sendCount, 0);

    MidiService without(nullptr);
    without.startUp();
    without.PutShort(0x99, 60, 127);
    without.CloseMidi();
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
}

TEST(MidiStartUp, DeviceErrorsRaisedAreSwallowed)
{
    auto transport = std::make_unique<Throwing>();
    Throwing* device = transport.get();
    EXPECT_NO_THROW({
        MidiService service(std::move(transport));
        service.startUp();
        EXPECT_FALSE(service.midiAvailable());
        EXPECT_EQ(device->messages.size(), 3u);
        service.PutShort(0x90, 60, 127);
        service.CloseMidi();
    });
}

TEST(MidiStartUp, ThroughTheLogDevice)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("midi.log");
    {
        MidiService service(platform::createMidiTransport("log:" + path));
        service.startUp();
        EXPECT_TRUE(service.midiAvailable());
    }
    QFile log(path);
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_EQ(log.readAll().toStdString(),
              "C0 01 00\nC1 64 00\nC2 62 00\nC3 2E 00\nC4 37 00\nC5 2F 00\nC6 6C 00\nC7 6B 00\n"
              "C8 72 00\nC9 73 00\nCA 7F 00\nCB 7B 00\nCC 6A 00\nCD 74 00\nCE 75 00\nCF 76 00\n");
}

TEST(MidiService, OpenMidiSetsAvailabilityFromTheOpen)
{
    Rig rig(false);
    rig.service->setMidiAvailable(true);
    EXPECT_FALSE(rig.service->OpenMidi());
    EXPECT_FALSE(rig.service->midiAvailable());

    rig.device->openResult = true;
    EXPECT_TRUE(rig.service->OpenMidi());
    EXPECT_TRUE(rig.service->midiAvailable());

    rig.service->setMidiAvailable(false);
    EXPECT_TRUE(rig.service->OpenMidi()) << "an open device stays open";
    EXPECT_TRUE(rig.service->midiAvailable());
    EXPECT_EQ(rig.device->openCount, 2);
}

TEST(MidiService, PutShortSendsOnlyWhileOpenWhateverMidiAvailableSays)
{
    Rig rig;
    rig.service->PutShort(0x99, 60, 127);
    EXPECT_EQ(rig.device->sendCount, 0) << "nothing to send to before the open";

    rig.service->startUp();
    rig.service->setMidiAvailable(false);
    rig.service->PutShort(0x99, 60, 127);
    ASSERT_EQ(rig.device->messages.size(), 17u);
    EXPECT_EQ(rig.device->messages.back(), 0x7F3C99u);

    rig.service->CloseMidi();
    rig.service->CloseMidi();
    rig.service->PutShort(0x84, 60, 127);
    EXPECT_EQ(rig.device->messages.size(), 17u);
    EXPECT_EQ(rig.device->closeCount, 1);
}

TEST(MidiService, FailedEffectLeavesMidiAvailable)
{
    Rig rig(true, 16);
    rig.service->startUp();
    rig.service->PutShort(0x99, 60, 127);
    EXPECT_EQ(rig.device->sendCount, 17);
    EXPECT_TRUE(rig.service->midiAvailable());
}

TEST(MidiService, DestructionClosesTheDeviceOnce)
{
    int closes = 0;
    {
        MidiService service(std::make_unique<CloseCounting>(closes));
        service.startUp();
    }
    EXPECT_EQ(closes, 1);

    closes = 0;
    {
        MidiService service(std::make_unique<CloseCounting>(closes));
        service.startUp();
        service.CloseMidi();
    }
    EXPECT_EQ(closes, 1);
}

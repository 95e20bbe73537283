// Any bytes as a profile file (Orvik.Ini); what it holds must write and
// read back the same, and every entry must be found under its own names.
#include "FuzzCheck.h"
#include "common/ProfileFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const ProfileFile profile = ProfileFile::fromBytes(fuzzBytes(data, size));
    const QByteArray written = profile.toBytes();
    const ProfileFile back = ProfileFile::fromBytes(written);
    FUZZ_REQUIRE(back == profile);
    FUZZ_REQUIRE(back.toBytes() == written);
    // Where names repeat the first entry wins, but every name is found.
    const QString missing = QStringLiteral("\x01missing");
    for (const auto& section : profile.sections())
        for (const auto& entry : section.entries)
            FUZZ_REQUIRE(profile.value(section.name, entry.key, missing) != missing);
    ProfileFile copy = profile;
    if (copy.setValue(QStringLiteral("Fuzz"), QStringLiteral("Key"), QString::fromUtf8(written.left(40)).simplified()))
        FUZZ_REQUIRE(ProfileFile::fromBytes(copy.toBytes()) == copy);
    return 0;
}

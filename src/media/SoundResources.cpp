#include "media/SoundResources.h"

#include <QFile>
#include <QString>

#include "media/SdlAudioOutput.h"
#include "media/SoundPlayer.h"

namespace brixel {

namespace {

SdlAudioOutput& Speaker()
{
    static SdlAudioOutput output;
    return output;
}

}  // namespace

std::vector<std::uint8_t> SoundResources::Read(int number)
{
    QFile file(QStringLiteral(":/sounds/%1.wav").arg(number));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray bytes = file.readAll();
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

bool SoundResources::OpenDevice()
{
    return Speaker().Open();
}

void SoundResources::CloseDevice()
{
    Speaker().Close();
}

SoundPlayer& SoundResources::Player()
{
    static SoundPlayer player(&SoundResources::Read, Speaker());
    return player;
}

SoundOutcome PlaySoundRes(int number, std::optional<int> flags)
{
    return SoundResources::Player().PlaySoundRes(number, flags);
}

}  // namespace brixel

#include "media/SoundResources.h"

#include <QFile>
#include <QString>

#include "media/SoundPlayer.h"
#include "media/SystemSpeaker.h"

namespace brixel {

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
    return SystemSpeaker().Open();
}

void SoundResources::CloseDevice()
{
    SystemSpeaker().Close();
}

SoundPlayer& SoundResources::Player()
{
    static SoundPlayer player(&SoundResources::Read, SystemSpeaker());
    return player;
}

SoundOutcome PlaySoundRes(int number, std::optional<int> flags)
{
    return SoundResources::Player().PlaySoundRes(number, flags);
}

}  // namespace brixel

// SPDX-License-Identifier: MIT
#include "Config.h"

#include "ByteReader.h"
#include "Cp1252.h"
#include "LittleEndian.h"
#include "SpeedsAndLevels.h"

#include <algorithm>

namespace brivmemo {
namespace {

TNome readName(ByteReader &reader)
{
    TNome name {};
    const auto bytes = reader.readBytes(name.size());
    std::copy(bytes.begin(), bytes.end(), name.begin());
    name[0] = std::min<std::uint8_t>(name[0], NameMaxLength);
    return name;
}

} // namespace

TConfig defaultConfig()
{
    TConfig config;
    config.Velocidade = speedTime(AnimationSpeed::Normal);
    setNameText(config.Nome1, "Player 1");
    setNameText(config.Nome2, "Player 2");
    config.Nivel = levelNumber(ComandoNivel::mnInter);
    return config;
}

std::array<std::uint8_t, ConfigRecordSize> configToBytes(const TConfig &config)
{
    std::array<std::uint8_t, ConfigRecordSize> bytes {};
    storeU32LE(bytes.data(), static_cast<std::uint32_t>(config.Velocidade));
    std::copy(config.Nome1.begin(), config.Nome1.end(), &bytes[4]);
    std::copy(config.Nome2.begin(), config.Nome2.end(), &bytes[206]);
    storeU32LE(&bytes[408], static_cast<std::uint32_t>(config.Nivel));
    return bytes;
}

TConfig configFromBytes(std::span<const std::uint8_t> bytes)
{
    ByteReader reader(bytes);
    TConfig config;
    config.Velocidade = reader.readI32LE();
    config.Nome1 = readName(reader);
    config.Nome2 = readName(reader);
    config.Nivel = reader.readI32LE();
    return config;
}

std::string nameText(const TNome &name)
{
    const std::size_t length = std::min<std::size_t>(name[0], NameMaxLength);
    return cp1252ToUtf8(std::span(name).subspan(1, length));
}

void setNameText(TNome &name, std::string_view utf8)
{
    const std::string bytes = utf8ToCp1252(utf8, NameMaxLength);
    name[0] = static_cast<std::uint8_t>(bytes.size());
    std::copy(bytes.begin(), bytes.end(), name.begin() + 1);
}

} // namespace brivmemo

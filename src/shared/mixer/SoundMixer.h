#pragma once
// The sound card's mixer as the volume windows of both programs use it: the
// playback master (volume and mute) and the recording sources with their
// select control (each source switched on its own, or one picked by a
// multiplexer) and volumes. One implementation drives the ALSA mixer; tests
// put in their own.
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class CSoundMixer {
public:
    enum class SelectKind { None, Mixer, Mux };
    enum SourceType { SourceLine = 0, SourceMicrophone = 1 };

    virtual ~CSoundMixer() = default;

    // Playback master ("speakers").
    virtual bool HasMasterVolume() const = 0;
    virtual bool GetMasterRange(long& nMin, long& nMax) const = 0;
    virtual bool GetMasterVolume(long& nValue) const = 0;
    virtual bool SetMasterVolume(long nValue) = 0;
    virtual bool HasMasterMute() const = 0;
    virtual bool GetMasterMute(bool& bMuted) const = 0;
    virtual bool SetMasterMute(bool bMuted) = 0;

    // Recording destination.
    virtual SelectKind GetSelectKind() const = 0;
    virtual QStringList GetItemNames() const = 0;
    // The type of the source behind an item of the select control, -1 unknown.
    virtual int GetItemType(int nItem) const = 0;
    virtual bool GetSelectValues(QList<bool>& values) const = 0;
    virtual bool SetSelectValues(const QList<bool>& values) = 0;
    virtual bool HasSourceVolume(int nItem) const = 0;
    virtual bool GetSourceRange(int nItem, long& nMin, long& nMax) const = 0;
    virtual bool GetSourceVolume(int nItem, long& nValue) const = 0;
    virtual bool SetSourceVolume(int nItem, long nValue) = 0;

    // Changes made by other programs since the last call (polled by the windows).
    virtual bool TakeChanges() = 0;

    // The first usable mixer of the machine (nullptr when there is none).
    static std::unique_ptr<CSoundMixer> Open();
    using Factory = std::function<std::unique_ptr<CSoundMixer>()>;
    // Tests replace the machine's mixer; an empty factory restores it.
    static void SetFactory(Factory factory);
};

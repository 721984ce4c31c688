#include "shared/mixer/SoundMixer.h"

#include <alsa/asoundlib.h>

namespace {

CSoundMixer::Factory& FactorySlot()
{
    static CSoundMixer::Factory factory;
    return factory;
}

// The ALSA mixer of the default card.
class CAlsaMixer final : public CSoundMixer {
public:
    ~CAlsaMixer() override
    {
        if (m_handle)
            snd_mixer_close(m_handle);
    }

    bool Open()
    {
        if (snd_mixer_open(&m_handle, 0) < 0)
            return false;
        if (snd_mixer_attach(m_handle, "default") < 0 || snd_mixer_selem_register(m_handle, nullptr, nullptr) < 0 ||
            snd_mixer_load(m_handle) < 0) {
            snd_mixer_close(m_handle);
            m_handle = nullptr;
            return false;
        }
        for (snd_mixer_elem_t* e = snd_mixer_first_elem(m_handle); e; e = snd_mixer_elem_next(e)) {
            const QString name = QString::fromLatin1(snd_mixer_selem_get_name(e));
            if (!m_master && snd_mixer_selem_has_playback_volume(e) &&
                (name == QLatin1String("Master") || name == QLatin1String("Speaker") || name == QLatin1String("PCM")))
                m_master = e;
            if (!m_mux && snd_mixer_selem_is_enum_capture(e))
                m_mux = e;
            if (snd_mixer_selem_has_capture_switch(e) || snd_mixer_selem_has_capture_volume(e))
                m_sources.append(e);
        }
        return true;
    }

    bool HasMasterVolume() const override { return m_master != nullptr; }
    bool GetMasterRange(long& nMin, long& nMax) const override
    {
        return m_master && snd_mixer_selem_get_playback_volume_range(m_master, &nMin, &nMax) == 0;
    }
    bool GetMasterVolume(long& nValue) const override
    {
        return m_master && snd_mixer_selem_get_playback_volume(m_master, SND_MIXER_SCHN_FRONT_LEFT, &nValue) == 0;
    }
    bool SetMasterVolume(long nValue) override
    {
        return m_master && snd_mixer_selem_set_playback_volume_all(m_master, nValue) == 0;
    }
    bool HasMasterMute() const override { return m_master && snd_mixer_selem_has_playback_switch(m_master); }
    bool GetMasterMute(bool& bMuted) const override
    {
        int on = 1;
        if (!HasMasterMute() || snd_mixer_selem_get_playback_switch(m_master, SND_MIXER_SCHN_FRONT_LEFT, &on) < 0)
            return false;
        bMuted = on == 0;
        return true;
    }
    bool SetMasterMute(bool bMuted) override
    {
        return HasMasterMute() && snd_mixer_selem_set_playback_switch_all(m_master, bMuted ? 0 : 1) == 0;
    }

    SelectKind GetSelectKind() const override
    {
        if (m_mux)
            return SelectKind::Mux;
        for (snd_mixer_elem_t* e : m_sources)
            if (snd_mixer_selem_has_capture_switch(e))
                return SelectKind::Mixer;
        return SelectKind::None;
    }
    QStringList GetItemNames() const override
    {
        QStringList names;
        if (m_mux) {
            const int n = snd_mixer_selem_get_enum_items(m_mux);
            for (int i = 0; i < n; ++i) {
                char text[64] = {};
                snd_mixer_selem_get_enum_item_name(m_mux, unsigned(i), sizeof text, text);
                names.append(QString::fromLatin1(text));
            }
        } else {
            for (snd_mixer_elem_t* e : m_sources)
                if (snd_mixer_selem_has_capture_switch(e))
                    names.append(QString::fromLatin1(snd_mixer_selem_get_name(e)));
        }
        return names;
    }
    int GetItemType(int nItem) const override
    {
        const QString name = GetItemNames().value(nItem);
        if (name.contains(QLatin1String("Line"), Qt::CaseInsensitive))
            return SourceLine;
        if (name.contains(QLatin1String("Mic"), Qt::CaseInsensitive))
            return SourceMicrophone;
        return -1;
    }
    bool GetSelectValues(QList<bool>& values) const override
    {
        values.clear();
        const QStringList names = GetItemNames();
        if (m_mux) {
            unsigned item = 0;
            if (snd_mixer_selem_get_enum_item(m_mux, SND_MIXER_SCHN_FRONT_LEFT, &item) < 0)
                return false;
            for (int i = 0; i < names.size(); ++i)
                values.append(unsigned(i) == item);
            return true;
        }
        for (const QString& name : names) {
            int on = 0;
            snd_mixer_elem_t* e = Source(name);
            if (!e || snd_mixer_selem_get_capture_switch(e, SND_MIXER_SCHN_FRONT_LEFT, &on) < 0)
                return false;
            values.append(on != 0);
        }
        return !values.isEmpty();
    }
    bool SetSelectValues(const QList<bool>& values) override
    {
        const QStringList names = GetItemNames();
        if (m_mux) {
            const int item = int(values.indexOf(true));
            return item >= 0 && snd_mixer_selem_set_enum_item(m_mux, SND_MIXER_SCHN_FRONT_LEFT, unsigned(item)) == 0;
        }
        bool ok = true;
        for (int i = 0; i < names.size() && i < values.size(); ++i) {
            snd_mixer_elem_t* e = Source(names[i]);
            ok = e && snd_mixer_selem_set_capture_switch_all(e, values[i] ? 1 : 0) == 0 && ok;
        }
        return ok;
    }
    bool HasSourceVolume(int nItem) const override
    {
        snd_mixer_elem_t* e = Source(GetItemNames().value(nItem));
        return e && snd_mixer_selem_has_capture_volume(e);
    }
    bool GetSourceRange(int nItem, long& nMin, long& nMax) const override
    {
        snd_mixer_elem_t* e = Source(GetItemNames().value(nItem));
        return e && snd_mixer_selem_get_capture_volume_range(e, &nMin, &nMax) == 0;
    }
    bool GetSourceVolume(int nItem, long& nValue) const override
    {
        snd_mixer_elem_t* e = Source(GetItemNames().value(nItem));
        return e && snd_mixer_selem_get_capture_volume(e, SND_MIXER_SCHN_FRONT_LEFT, &nValue) == 0;
    }
    bool SetSourceVolume(int nItem, long nValue) override
    {
        snd_mixer_elem_t* e = Source(GetItemNames().value(nItem));
        return e && snd_mixer_selem_set_capture_volume_all(e, nValue) == 0;
    }
    bool TakeChanges() override { return m_handle && snd_mixer_handle_events(m_handle) > 0; }

private:
    snd_mixer_elem_t* Source(const QString& name) const
    {
        for (snd_mixer_elem_t* e : m_sources)
            if (QString::fromLatin1(snd_mixer_selem_get_name(e)) == name)
                return e;
        return nullptr;
    }

    snd_mixer_t* m_handle = nullptr;
    snd_mixer_elem_t* m_master = nullptr;
    snd_mixer_elem_t* m_mux = nullptr;
    QList<snd_mixer_elem_t*> m_sources;
};

} // namespace

std::unique_ptr<CSoundMixer> CSoundMixer::Open()
{
    if (FactorySlot())
        return FactorySlot()();
    auto mixer = std::make_unique<CAlsaMixer>();
    if (!mixer->Open())
        return nullptr;
    return mixer;
}

void CSoundMixer::SetFactory(Factory factory)
{
    FactorySlot() = std::move(factory);
}

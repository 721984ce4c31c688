#include "shared/mixer/WaveDevices.h"

#include <alsa/asoundlib.h>

#include <QByteArray>

int WaveInputDeviceCount()
{
    int count = 0;
    int card = -1;
    while (snd_card_next(&card) == 0 && card >= 0) {
        snd_ctl_t* ctl = nullptr;
        const QByteArray name = "hw:" + QByteArray::number(card);
        if (snd_ctl_open(&ctl, name.constData(), 0) < 0)
            continue;
        snd_pcm_info_t* info = nullptr;
        snd_pcm_info_malloc(&info);
        int device = -1;
        while (snd_ctl_pcm_next_device(ctl, &device) == 0 && device >= 0) {
            snd_pcm_info_set_device(info, unsigned(device));
            snd_pcm_info_set_subdevice(info, 0);
            snd_pcm_info_set_stream(info, SND_PCM_STREAM_CAPTURE);
            if (snd_ctl_pcm_info(ctl, info) >= 0)
                ++count;
        }
        snd_pcm_info_free(info);
        snd_ctl_close(ctl);
    }
    return count;
}

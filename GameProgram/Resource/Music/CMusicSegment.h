#pragma once

#include <windows.h>
#include <dmusici.h>

// One DirectMusic segment with what it needs to play: the performance, the
// loader that made it, and an audio path of its own when the file asks for one.
class CMusicSegment
{
public:
    // Takes the segment over; the performance and loader stay the caller's
    // and must outlive this object.
    CMusicSegment(IDirectMusicPerformance8* pPerformance, IDirectMusicLoader8* pLoader,
                  IDirectMusicSegment8* pSegment);
    virtual ~CMusicSegment();
    CMusicSegment(const CMusicSegment&) = delete;
    CMusicSegment& operator=(const CMusicSegment&) = delete;

    // Starts the segment on the given audio path, else on its own one, else
    // on the performance's default path.
    virtual HRESULT Play(DWORD dwFlags, IDirectMusicAudioPath8* pAudioPath);

    // Moves the segment's instruments and waves to the given path, else to
    // its own one, else to the performance; playing needs it done.
    HRESULT Download(IDirectMusicAudioPath8* pAudioPath);
    HRESULT Stop(DWORD dwFlags);
    BOOL IsPlaying() const;
    IDirectMusicSegment8* GetSegment() const { return m_pSegment; }

private:
    void WriteDownloadFailure(HRESULT hr) const;

    IDirectMusicSegment8* m_pSegment;
    IDirectMusicLoader8* m_pLoader;
    IDirectMusicPerformance8* m_pPerformance;
    IDirectMusicAudioPath8* m_pEmbeddedAudioPath;
    BOOL m_bDownloaded;
};

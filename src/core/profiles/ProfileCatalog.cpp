#include "core/profiles/ProfileCatalog.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

namespace clipvane {

namespace {

// Menu order: group by group, each group's rows together. Strings are kept byte for byte as the
// encoder and the saved settings know them, odd blanks and spellings included.
// clang-format off
constexpr TProfile kCatalog[] = {
    {"General Audio Format", "AC3 - Dolby Digital AC-3", "-f ac3 -acodec ac3 -ab 192k -ar 48000 -ac 2 ", ".ac3"},
    {"General Audio Format", "M4A - MPEG4 Audio", "-vn -c:a aac -ab 112k -ac 2 -ar 48000 ", ".m4a"},
    {"General Audio Format", "MP3 - MPEG Layer-3 Audio", "-vn -acodec libmp3lame -ab 128k -ac 2 -ar 44100 ", ".mp3"},
    {"General Audio Format", "OGG - Ogg Vobis Audio", "-vn -c:a libvorbis -q:a 6 -ac 2 ", ".ogg"},
    {"General Audio Format", "WAV - Waveform Audio", "-vn -ac 2 -ar 44100 ", ".wav"},
    {"General Audio Format", "WMA - Windows Media Audio", "-vn  -acodec wmav2 -ab 160k ", ".wma"},
    {"General Video Format", "AVI (*.avi)", "-acodec libmp3lame -vcodec msmpeg4 -ab 192k -b 1000k -ar 44100 ", ".avi"},
    {"General Video Format", "FLV (*.flv)", "-vcodec flv -f flv -level 6 -r 25 -b 400k -ab 64k -ar 22050 -ac 1 ", ".flv"},
    {"General Video Format", "H.264 (*.mp4)", "-c:v libx264 -c:a aac -level 3.1 -b:v 2000k -ar 44100 -b:a 128k -ac 2 ", ".mp4"},
    {"General Video Format", "MOV (*.mov)", "-c:v libx264 -c:a aac -b:v 1250k -r 25 -b:a 128k -ac 2 -ar 44100 ", ".mov"},
    {"General Video Format", "MPEG-1 (*.mpg)", "-f mpeg -acodec mp2 -vcodec mpeg1video -b 1152k -ar 44100 -ab 128k ", ".mpg"},
    {"General Video Format", "MPEG-2 (*.mpg)", "-f mpeg -acodec mp2 -vcodec mpeg2video -b 1152k -ar 44100 -ab 128k ", ".mpg"},
    {"General Video Format", "MPEG-4 (*.mp4)", "-vcodec mpeg4 -c:a aac -b:v 1800k -ar 44100 -b:a 128k -ac 2 ", ".mp4"},
    {"General Video Format", "WMV (*.wmv)", "-vcodec wmv2  -acodec wmav2 -b 1000k -ab 160k -r 25 ", ".wmv"},
    {"3GP Video", "3GP - Mobile High Quality (H263, 15 fps, 352x288; AAC)", "-r 15 -b:v 320k -s 352x288 -vcodec h263 -ac 1 -ar 8000 -b:a 12200 -c:a aac ", ".3gp"},
    {"3GP Video", "3GP - Mobile Standart Quality (H263, 12 fps, 176x144; AAC)", "-r 12 -b:v 160k -s 176x144 -vcodec h263 -ac 1 -ar 8000 -b:a 12200 -c:a aac ", ".3gp"},
    {"3GP Video", "3GP - Mobile Balanced Quality (H263, 12 fps, 176x144; AAC)", "-r 12 -b:v 60k -ac 1 -s 176x144 -ar 8000 -ab 10200 -c:a aac -vcodec h263 ", ".3gp"},
    {"3GP Video", "3GP - Mobile Economy Quality (H263, 10 fps, 128x96; AAC)", "-r 10 -b:v 60k -ac 1 -s 128x96 -ar 8000 -ab 10200 -c:a aac -vcodec h263 ", ".3gp"},
    {"Apple iPad", "iPad - MPEG-4 Video (24 fps, 640x480, 1.8MBit; AAC)", "-vcodec mpeg4 -c:a aac -s 640x480 -r 23.97 -b:v 1800k -ar 48000 -b:a 128k -ac 2 ", ".mp4"},
    {"Apple iPad", "iPad - H.264 Video for 480p TV Out (25 fps, 640x480, 2.0MBit; AAC)", "-vcodec libx264 -c:a aac -level 31 -s 640x480 -r 25 -b:v 2000k -ar 48000 -b:a 128k -ac 2 ", ".mp4"},
    {"Apple iPad", "iPad - H.264 Video for 576p TV Out (30 fps, 720x576, 2.0MBit; AAC)", "-vcodec libx264 -c:a aac -level 31 -s 720x576 -r 30 -b:v 2000k -ar 48000 -b:a 128k -ac 2 ", ".mp4"},
    {"Apple iPad", "iPad - H.264 Video for 720p TV Out (30 fps, 1280x720, 3.5MBit; AAC)", "-vcodec libx264 -c:a aac -level 31 -s 1280x720 -r 30 -b:v 3500k -ar 48000 -b:a 128k -ac 2 ", ".mp4"},
    {"Apple iPhone", "iPhone - High Quality (H264, 30 fps, 640x480, 2.5MBit; AAC)", "-vcodec libx264 -c:a aac -level 30 -s 640x480 -r 30 -b:v 2400k -ar 48000 -b:a 160k -ac 2 ", ".mp4"},
    {"Apple iPhone", "iPhone - Standard Quality (H264, 24 fps, 480x320, 1.3MBit; AAC)", "-vcodec libx264 -c:a aac -level 21 -s 480x320 -r 24 -b:v 1300k -ar 44100 -b:a 128k -ac 2 ", ".mp4"},
    {"Apple iPhone", "iPhone - Economy Quality (H264, 15 fps, 320x240, 0.5MBit; AAC)", "-vcodec libx264 -c:a aac -level 21 -s 320x240 -r 15 -b:v 500k -ar 44100 -b:a 128k -ac 2 ", ".mp4"},
    {"Apple iPod", "iPod - Highest Quality (H264, 30 fps, 640x480, 2.5MBit; AAC)", "-vcodec libx264 -c:a aac -level 30 -s 640x480 -r 30 -b:v 2500k -ar 48000 -b:a 160k -ac 2 ", ".mp4"},
    {"Apple iPod", "iPod Touch - High Quality (H264, 30 fps, 480x320, 2.5MBit; AAC)", "-vcodec libx264 -c:a aac -level 30 -s 480x320 -r 30 -b:v 2500k -ar 48000 -b:a 160k -ac 2 ", ".mp4"},
    {"Apple iPod", "iPod Touch - Standard Quality (H264, 24 fps, 480x320, 1.3MBit; AAC)", "-vcodec libx264 -c:a aac -level 21 -s 480x320 -r 24 -b:v 1300k -ar 44100 -b:a 128k -ac 2 ", ".mp4"},
    {"Apple iPod", "iPod Touch - Economy Quality (H264, 15 fps, 320x240, 0.5MBit; AAC)", "-vcodec libx264 -c:a aac -level 21 -s 320x240 -r 15 -b:v 500k -ar 44100 -b:a 128k -ac 2 ", ".mp4"},
    {"Apple iPod", "iPod Classic - High Quality (H264, 30 fps, 320x240, 2.5MBit; AAC)", "-vcodec libx264 -c:a aac -level 30 -s 320x240 -r 30 -b:v 2500k -ar 48000 -b:a 160k -ac 2 ", ".mp4"},
    {"Apple iPod", "iPod Classic - Standard Quality (H264, 24 fps, 320x240, 1MBit; AAC)", "-vcodec libx264 -c:a aac -level 21 -s 320x240 -r 24 -b:v 1000k -ar 44100 -b:a 128k -ac 2 ", ".mp4"},
    {"Apple iPod", "iPod Classic - Economy Quality (H264, 15 fps, 320x240, 0.5MBit; AAC)", "-vcodec libx264 -c:a aac -level 21 -s 320x240 -r 15 -b:v 500k -ar 44100 -b:a 128k -ac 2 ", ".mp4"},
    {"Apple iPod", "iPod Nano - High Quality (H264, 30 fps, 320x240, 2.5MBit; AAC)", "-vcodec libx264 -c:a aac -level 30 -s 320x240 -r 30 -b:v 2500k -ar 48000 -b:a 160k -ac 2 ", ".mp4"},
    {"Apple iPod", "iPod Nano - Standard Quality (H264, 24 fps, 320x240, 1MBit; AAC)", "-vcodec libx264 -c:a aac -level 21 -s 320x240 -r 24 -b:v 1000k -ar 44100 -b:a 128k -ac 2 ", ".mp4"},
    {"Apple iPod", "iPod Nano - Economy Quality (H264, 15 fps, 320x240, 0.5MBit; AAC)", "-vcodec libx264 -c:a aac -level 21 -s 320x240 -r 15 -b:v 500k -ar 44100 -b:a 128k -ac 2 ", ".mp4"},
    {"Apple iPod", "iPod 5G - High Quality (MPEG4, 30 fps, 320x240; AAC)", "-vcodec mpeg4 -c:a aac -s 320x240 -r 30 -b:v 1400k -ar 48000 -b:a 192k -ac 2 ", ".mp4"},
    {"Apple iPod", "iPod 5G - Standard Quality (MPEG4, 24 fps, 320x240; AAC)", "-vcodec mpeg4 -c:a aac -s 320x240 -r 24 -b:v 800k -ar 44100 -b:a 128k -ac 2 ", ".mp4"},
    {"Apple iPod", "iPod 5G - Economy Quality (MPEG4, 15 fps, 176x144; AAC)", "-vcodec mpeg4 -c:a aac -s 176x144 -r 15 -b:v 400k -ar 22050 -b:a 64k -ac 1 ", ".mp4"},
    {"Apple TV", "Apple TV - High Quality (H264, 24 fps, 1280x720, 5Mbit; AAC)", "-vcodec libx264 -c:a aac -level 31 -s 1280x720 -r 24 -b:v 4900k -ar 48000 -b:a 160k -ac 2 ", ".mp4"},
    {"Apple TV", "Apple TV - Standard Quality (H264, 24 fps, 720x540, 2Mbit; AAC)", "-vcodec libx264 -c:a aac -level 31 -s 720x540 -r 24 -b:v 2000k -ar 48000 -b:a 128k -ac 2 ", ".mp4"},
    {"Apple TV", "Apple TV - Economy Quality (MPEG4, 24 fps, 480x360, 1Mbit; AAC)", "-vcodec mpeg4 -c:a aac -level 22 -s 480x360 -r 24 -b:v 1000k -ar 48000 -b:a 128k -ac 2 ", ".mp4"},
    {"AVI", "AVI - XviD FullScreen (30 fps, 640x480, 1.5MBit; MP3)", "-f avi -r 29.97 -vcodec libxvid -vtag XVID -s 640x480 -aspect 4:3 -b:v 1500k -maxrate 1800k -bufsize 4096 -g 300 -acodec libmp3lame -ar 48000 -b:a 128k -ac 2 ", ".avi"},
    {"AVI", "AVI - XviD Widescreen (30 fps, 704x384, 1.5MBit; MP3)", "-f avi -r 29.97 -vcodec libxvid -vtag XVID -s 704x384 -aspect 16:9 -b:v 1500k -maxrate 1800k -bufsize 4096 -g 300 -acodec libmp3lame -ar 48000 -b:a 128k -ac 2 ", ".avi"},
    {"AVI", "AVI - XviD Widescreen Anamorphic (30 fps, 640x272, 1.5MBit; MP3)", "-f avi -r 29.97 -vcodec libxvid -vtag XVID -s 640x272 -aspect 2.35 -b:v 1500k -maxrate 1800k -bufsize 4096 -g 300 -acodec libmp3lame -ar 48000 -b:a 128k -ac 2 ", ".avi"},
    {"AVI", "AVI - MS Compatible AVI (640x480, 1MBit; MP3)", "-acodec libmp3lame -vcodec msmpeg4 -b:a 192k -b:v 1000k -s 640x480 -ar 44100 -ac 2 ", ".avi"},
    {"BlackBerry", "BlackBerry - High Quality (H264, 30 fps, 640x480, 2.5MBit; AAC)", "-vcodec libx264 -c:a aac -level 21 -s 640x480 -r 30 -b:v 2400k -ar 48000 -b:a 160k -ac 2 ", ".mp4"},
    {"BlackBerry", "BlackBerry - Standard Quality (H264, 24 fps, 480x320, 1.3MBit; AAC)", "-vcodec libx264 -c:a aac -level 21 -s 480x320 -r 24 -b:v 1300k -ar 44100 -b:a 128k -ac 2 ", ".mp4"},
    {"BlackBerry", "BlackBerry - Economy Quality (H264, 15 fps, 320x240, 0.5MBit; AAC)", "-vcodec libx264 -c:a aac -level 21 -s 320x240 -r 15 -b:v 500k -ar 44100 -b:a 128k -ac 2 ", ".mp4"},
    {"Creative Zen", "Creative Zen Fullscreen", "-f avi -r 29.97 -vcodec libxvid -vtag XVID -s 320x240 -aspect 4:3 -maxrate 1800k -b 1500k  -acodec libmp3lame -ar 48000 -ab 128k -ac 2 ", ".avi"},
    {"Creative Zen", "Creative Zen Widescreen", "-f avi -r 29.97 -vcodec libxvid -vtag XVID -s 320x240 -aspect 16:9 -maxrate 1800k -b 1500k  -acodec libmp3lame -ar 48000 -ab 128k -ac 2 ", ".avi"},
    {"DV", "Raw DV for NTSC Fullscreen", "-target ntsc-dv -aspect 4:3 -f dv -flags +ilme+ildct -top 0 -async 1 -fflags +genpts+igndts -vsync 1 ", ".dv"},
    {"DV", "Raw DV for PAL Fullscreen", "-target pal-dv -aspect 4:3 -f dv -flags +ilme+ildct -top 1 -async 1 -fflags +genpts+igndts -vsync 1 ", ".dv"},
    {"DVD", "NTSC DVD Fullscreen", "-target ntsc-dvd -aspect 4:3 -b:v 4000k -maxrate 6000k -bufsize 1835k -c:a mp2 -b:a 192k -ar 48000 -ac 2 ", ".mpg"},
    {"DVD", "NTSC DVD Widescreen", "-target ntsc-dvd -aspect 16:9 -b:v 4000k -maxrate 6000k -bufsize 1835k -c:a mp2 -b:a 192k -ar 48000 -ac 2 ", ".mpg"},
    {"DVD", "NTSC DVD HQ Fullscreen", "-target ntsc-dvd -aspect 4:3 -b:v 8000k -maxrate 9000k -bufsize 1835k -c:a mp2 -b:a 384k -ar 48000 -ac 2 ", ".mpg"},
    {"DVD", "NTSC DVD HQ Widescreen", "-target ntsc-dvd -aspect 16:9 -b:v 8000k -maxrate 9000k -bufsize 1835k -g 12 -c:a mp2 -b:a 384k -ar 48000 -ac 2 ", ".mpg"},
    {"DVD", "NTSC DVD Fast (LQ)", "-target ntsc-dvd -b:v 5000k -maxrate 6000k -bufsize 1835k -c:a mp2 -b:a 384k -ar 48000 -ac 2 ", ".mpg"},
    {"DVD", "PAL DVD Fullscreen", "-target pal-dvd -aspect 4:3 -b:v 4000k -maxrate 6000k -bufsize 1835k -c:a mp2 -b:a 192k -ar 48000 -ac 2 ", ".mpg"},
    {"DVD", "PAL DVD Widescreen", "-target pal-dvd -aspect 16:9 -b:v 4000k -maxrate 6000k -bufsize 1835k -c:a mp2 -b:a 192k -ar 48000 -ac 2 ", ".mpg"},
    {"DVD", "PAL DVD HQ Fullscreen", "-target pal-dvd -aspect 4:3 -b:v 8000k -maxrate 9000k -bufsize 1835k -c:a mp2 -b:a 384k -ar 48000 -ac 2 ", ".mpg"},
    {"DVD", "PAL DVD HQ Widescreen", "-target pal-dvd -aspect 16:9 -b:v 8000k -maxrate 9000k -bufsize 1835k -c:a mp2 -b:a 384k -ar 48000 -ac 2 ", ".mpg"},
    {"DVD", "PAL DVD Fast (LQ)", "-target pal-dvd -b:v 5000k -maxrate 6000k -bufsize 1835k -c:a mp2 -b:a 384k -ar 48000 -ac 2 ", ".mpg"},
    {"Flash Video Movie (*.flv)", "FLV - Normal Quality (320x240, 400 Kbit, Mono)", "-vcodec flv -f flv -r 25 -s 320x240 -b:v 400k -c:a aac -b:a 64k -ar 22050 -ac 1 ", ".flv"},
    {"Flash Video Movie (*.flv)", "FLV - High Quality (480x360, 760 Kbit, Stereo)", "-vcodec flv -f flv -r 25 -s 480x360 -b:v 760k -c:a aac -b:a 128k -ar 44100 -ac 2 ", ".flv"},
    {"Flash Video Movie (*.flv)", "FLV - High Definition (1280x720, 2 Mbit, Stereo)", "-vcodec flv -f flv -r 25 -s 1280x720 -b:v 2000k -c:a aac -b:a 256k -ar 48000 -ac 2 ", ".flv"},
    {"Google Android", "Google Android compatible video", "-s 480x320 -vcodec mpeg4 -c:a aac -ac 1 -ar 16000 -r 13 -b:a 32000 -aspect 3:2 ", ".mp4"},
    {"Google Android", "Google Android compatible video. Video bitrate: 480 kb/s", "-s 480x320 -vcodec mpeg4 -b:v 480k -c:a aac -ac 1 -ar 16000 -r 13 -b:a 32000 -aspect 3:2 ", ".mp4"},
    {"MP4 Mobile Phones", "High Resolution (MPEG4, 25 fps, 640x360, 1Mit; AAC)", "-vcodec mpeg4 -c:a aac -s 640x360 -r 25 -b:v 1000k -ar 48000 -b:a 192k -ac 2 ", ".mp4"},
    {"MP4 Mobile Phones", "High Quality (MPEG4, 15 fps, 320x240, 600KBit; AAC)", "-vcodec mpeg4 -c:a aac -s 320x240 -r 15 -b:v 600k -ar 48000 -b:a 192k -ac 2 ", ".mp4"},
    {"MP4 Mobile Phones", "Standard Quality (MPEG4, 15 fps, 176x144, 256KBit; AAC)", "-vcodec mpeg4 -c:a aac -s 176x144 -r 15 -b:v 256k -ar 48000 -b:a 128k -ac 2 ", ".mp4"},
    {"MP4 Mobile Phones", "Balanced Quality (MPEG4, 12 fps, 176x144, 146KBit; AAC)", "-vcodec mpeg4 -c:a aac -s 176x144 -r 12 -b:v 146k -ar 32000 -b:a 96k -ac 2 ", ".mp4"},
    {"MP4 Mobile Phones", "Economy Quality (MPEG4, 10 fps, 128x96, 119KBit; AAC)", "-vcodec mpeg4 -c:a aac -s 128x96 -r 10 -b:v 119k -ar 22050 -b:a 64k -ac 2 ", ".mp4"},
    {"Nokia", "Nokia N810 mplayer 4:3", "-r 29.97 -vcodec mpeg4 -s 400x240 -aspect 4:3 -maxrate 1200k -b 1200k -acodec libmp3lame -ar 44100 -ab 160k -ac 2 ", ".mp4"},
    {"Nokia", "Nokia N810 mplayer 16:9", "-r 29.97 -vcodec mpeg4 -s 400x240 -aspect 16:9 -maxrate 1200k -b 1200k -acodec libmp3lame -ar 44100 -ab 160k -ac 2 ", ".mp4"},
    {"Nokia", "Nokia N810 mplayer CinemaScope 24:10", "-r 29.97 -vcodec mpeg4 -s 400x240 -aspect 24:10 -maxrate 1200k -b 1200k -acodec libmp3lame -ar 44100 -ab 160k -ac 2 ", ".mp4"},
    {"Nokia", "Nokia Nxx Video WideScreen", "-f mp4 -r 15 -vcodec mpeg4 -s 320x240 -b 320k -aspect 16:9 -acodec aac -ab 96k -ar 44100 -ac 2 ", ".mp4"},
    {"Nokia", "Nokia Nxx Video FullScreen", "-f mp4 -r 15 -vcodec mpeg4 -s 320x240 -b 320k -aspect 4:3 -acodec aac -ab 96k -ar 44100 -ac 2 ", ".mp4"},
    {"Palm", "Palm Fullscreen", "-f mp4 -r 29.97 -vcodec libxvid -s 428x320 -aspect 4:3 -b:v 500k -acodec aac -ar 44100 -b:a 80k -ac 2 ", ".mp4"},
    {"Palm", "Palm Widescreen", "-f mp4 -r 29.97 -vcodec libxvid -s 480x320 -aspect 3:2 -b:v 430k -acodec aac -ar 44100 -b:a 80k -ac 2 ", ".mp4"},
    {"Quicktime (*.mov)", "Quicktime MOV", "-f mov -c:a aac -b:v 1250k -r 25 -b:a 128k -s 640x480 -ac 2 -ar 48000 ", ".mov"},
    {"Quicktime (*.mov)", "QuickTime H.264 video (high quality)", "-crf 35 -c:v libx264 -c:a aac -ar 48000 -b:a 128k -movflags +faststart ", ".mov"},
    {"Quicktime (*.mov)", "QuickTime H.264 video (very high quality)", "-crf 25 -c:v libx264 -c:a aac -ar 48000 -b:a 160k -movflags +faststart ", ".mov"},
    {"Quicktime (*.mov)", "QuickTime H.264 video (super high quality)", "-crf 15 -c:v libx264 -c:a aac -ar 48000 -b:a 192k -movflags +faststart ", ".mov"},
    {"ShockwaveFlash (*.swf)", "SWF - Normal Quality (320x240, 400 Kbit, Mono)", "-f swf -r 25 -s 320x240 -b:v 400k -c:a mp3 -b:a 64k -ar 22050 -ac 1 -c:v flv ", ".swf"},
    {"ShockwaveFlash (*.swf)", "SWF - High Quality (480x360, 760 Kbit, Stereo)", "-f swf -r 25 -s 480x360 -b:v 760k -c:a mp3 -b:a 128k -ar 44100 -ac 2 -c:v flv ", ".swf"},
    {"ShockwaveFlash (*.swf)", "SWF - High Definition (1280x720, 2 Mbit, Stereo)", "-f swf -r 25 -s 1280x720 -b:v 2000k -c:a mp3 -b:a 192k -ar 44100 -ac 2 -c:v flv ", ".swf"},
    {"Sony Bravia", "Sony Bravia mpeg1 640x480", "-acodec libmp3lame -ab 128k -ar 44100 -vcodec mpeg1video -s vga -b 640k -strict -1 ", ".mpg"},
    {"Sony Bravia", "Sony Bravia mpeg1 640x360", "-acodec libmp3lame -ab 128k -ar 44100 -vcodec mpeg1video -s 640x360 -b 640k -strict -1 ", ".mpg"},
    {"Sony Bravia", "Sony Bravia mpeg1 320x240", "-acodec libmp3lame -ab 128k -ar 44100 -vcodec mpeg1video -s 320x240 -b 480k -strict -1 ", ".mpg"},
    {"Sony Bravia", "Sony Bravia mpeg1 320x180", "-acodec libmp3lame -ab 128k -ar 44100 -vcodec mpeg1video -s 320x180 -b 480k -strict -1 ", ".mpg"},
    {"Sony PS3", "PS3 - 720p Widescreen", "-f mp4 -r 23.976 -vcodec libx264 -s 1280x720 -b 3000k -aspect 16:9 -acodec libmp3lame -ab 384k -ar 48000 -ac 2 ", ".mp4"},
    {"Sony PS3", "PS3 - 720p Fullscreen", "-f mp4 -r 23.976 -vcodec libx264 -s 1280x720 -b 3000k -aspect 4:3 -acodec libmp3lame -ab 384k -ar 48000 -ac 2 ", ".mp4"},
    {"Sony PSP", "PSP - Highest Quality (H264, 30 fps, 480x272, 1.5MBit; AAC)", "-vcodec libx264 -c:a aac -level 30 -s 480x272 -r 30 -b:v 1500k -ar 48000 -b:a 160k -ac 2 ", ".mp4"},
    {"Sony PSP", "PSP - Optimal Quality (H264, 24 fps, 368x208, 1MBit; AAC)", "-vcodec libx264 -c:a aac -level 30 -s 368x208 -r 24 -b:v 1000k -ar 44100 -b:a 128k -ac 2 ", ".mp4"},
    {"Sony PSP", "PSP - Economy Quality (H264, 15 fps, 368x208, 0.5MBit; AAC)", "-vcodec libx264 -c:a aac -level 30 -s 368x208 -r 15 -b:v 500k -ar 44100 -b:a 128k -ac 2 ", ".mp4"},
    {"Sony Walkman", "Walkman - Xvid walkman (4:3)", "-r 29.97 -vcodec libxvid -s 320x240 -aspect 4:3 -b:v 1250k -acodec aac -ar 48000 -b:a 80k -ac 2 ", ".mp4"},
    {"VCD", "NTSC VCD (HQ)", "-f vcd -target ntsc-vcd ", ".mpg"},
    {"VCD", "PAL VCD (HQ)", "-f vcd -target pal-vcd ", ".mpg"},
    {"WMV", "WMV2 Generic", "-vcodec wmv2  -acodec wmav2 -b 1000k -ab 160k -r 25 ", ".wmv"},
    {"WMV", "WMV for Web Use", "-vcodec wmv2  -acodec wmav2 -b 640k -ab 128k -r 29.97 -s 320x240 ", ".wmv"},
    {"WMV", "Xbox 360", "-vcodec wmv2  -acodec wmav2 -b 1200k -ab 160k -r 25 -s 720x480 ", ".wmv"},
    {"WMV", "Zune", "-vcodec wmv2  -acodec wmav2 -b 640k -ab 128k -r 23.97 -s 320x240 ", ".wmv"},
    {"WMV", "Power Point", "-vcodec wmv2  -acodec wmav2 -aspect 4:3 -b 500k -ab 32k -ac 1 -ar 22050 -s 320x240 ", ".wmv"},
};
// clang-format on

constexpr std::size_t CountGroups() {
    std::size_t count = 0;
    for (std::size_t i = 0; i < std::size(kCatalog); ++i) {
        if (i == 0 || kCatalog[i].GroupCaption != kCatalog[i - 1].GroupCaption)
            ++count;
    }
    return count;
}

constexpr auto BuildGroups() {
    std::array<TProfileGroup, CountGroups()> groups{};
    const std::span<const TProfile> all(kCatalog);
    std::size_t group = 0;
    std::size_t first = 0;
    for (std::size_t i = 1; i <= all.size(); ++i) {
        if (i == all.size() || all[i].GroupCaption != all[first].GroupCaption) {
            groups[group++] = TProfileGroup{all[first].GroupCaption, all.subspan(first, i - first)};
            first = i;
        }
    }
    return groups;
}

constexpr auto kGroups = BuildGroups();

constexpr std::string_view kManualPrefix = "ffmpeg";
constexpr std::string_view kOutputMark = "%1.";
// Length of "ffmpeg -i %1 ", the front of every manual command line, which the lookups drop.
constexpr std::int64_t kManualFront = 13;

bool IsManualCommandLine(std::string_view text) {
    if (text.size() < kManualPrefix.size())
        return false;
    return std::equal(kManualPrefix.begin(), kManualPrefix.end(), text.begin(), [](char want, char have) {
        const char lowered = (have >= 'A' && have <= 'Z') ? static_cast<char>(have - 'A' + 'a') : have;
        return want == lowered;
    });
}

// Substring by 1-based start (at least 1 for every caller) and length: a negative length or a
// start past the end gives nothing, and a length past the end stops there.
std::string_view Copy(std::string_view text, std::int64_t start, std::int64_t count) {
    const auto size = static_cast<std::int64_t>(text.size());
    if (count < 0 || start > size)
        return {};
    return text.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(count));
}

// 1-based position of the first output mark; 0 when there is none.
std::int64_t OutputMarkPosition(std::string_view text) {
    const auto pos = text.find(kOutputMark);
    return pos == std::string_view::npos ? 0 : static_cast<std::int64_t>(pos) + 1;
}

} // namespace

std::span<const TProfile> ProfileCatalog() {
    return kCatalog;
}

std::span<const TProfileGroup> ProfileGroups() {
    return kGroups;
}

const TProfile* FindProfile(std::string_view caption) {
    const auto it = std::find_if(std::begin(kCatalog), std::end(kCatalog),
                                 [caption](const TProfile& p) { return p.Caption == caption; });
    return it == std::end(kCatalog) ? nullptr : &*it;
}

std::string GetFFmpegParams(std::string_view profileText) {
    if (IsManualCommandLine(profileText)) {
        // A hand-edited line without the output mark has no defined split; taking the whole
        // text less one character as the extension would only name garbage files.
        const std::int64_t p = OutputMarkPosition(profileText);
        if (p == 0)
            return {};
        return std::string(Copy(profileText, kManualFront + 1, p - kManualFront - 1));
    }
    const TProfile* profile = FindProfile(profileText);
    return profile ? std::string(profile->FFmpegParams) : std::string();
}

std::string GetOutputExt(std::string_view profileText) {
    if (IsManualCommandLine(profileText)) {
        const std::int64_t p = OutputMarkPosition(profileText);
        if (p == 0)
            return {};
        const auto size = static_cast<std::int64_t>(profileText.size());
        return std::string(Copy(profileText, p + 2, size - p - 1));
    }
    const TProfile* profile = FindProfile(profileText);
    return profile ? std::string(profile->OutputExt) : std::string();
}

} // namespace clipvane

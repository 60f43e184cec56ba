-- The settings database "SysConfig": the run configuration, the stored play list and the file-association
-- tables. Numbers are stored as integers (Booleans as 1 and 0), texts as text.
CREATE TABLE sys (
    recycle_play INTEGER,
    volume_value INTEGER,
    play_ruler INTEGER,
    screen_saver INTEGER,
    scr_sav_proc_name TEXT,
    screen_saver_delay_minute INTEGER,
    popu_main_face_for_err INTEGER,
    play_next_item_on_err INTEGER,
    save_play_list INTEGER,
    current_play_position INTEGER,
    current_play_item_len INTEGER
);

CREATE TABLE play_list (
    flag_for_play_list TEXT,
    file_name TEXT,
    file_path TEXT,
    is_play_item INTEGER,
    item_order INTEGER
);
CREATE INDEX play_list_item_order ON play_list (item_order);

CREATE TABLE file_association_config (
    main_app_file_name TEXT,
    main_default_ico_file_name TEXT,
    menu_handler_guid TEXT,
    menu_handler_name TEXT
);

CREATE TABLE file_association (
    app_association TEXT,
    description_info TEXT,
    app_id TEXT,
    old_app_id TEXT,
    default_app_id_1 TEXT,
    default_app_id_2 TEXT
);

-- The media file types the player can take over: one row per audio and video extension of the open-file
-- dialog's media filter, and the formats common on Linux desktops today (MPEG-4, Matroska, WebM, Ogg, FLAC,
-- Opus), each with the player's desktop entry and two players common on Linux desktops to hand it to when
-- no previous owner is known. Left out: pictures, Windows shortcuts, the generic ".dat", and the Real and
-- SMIL text, picture and subtitle types, which Linux desktops file as text, images or subtitles.
INSERT INTO file_association_config VALUES
    ('kestrune-open', 'kestrune.png', '{6F3A2C1E-8B4D-4E7A-9C15-2D7B0E9F4A63}', 'KestruneMenu');

INSERT INTO file_association (app_association, description_info, app_id, old_app_id, default_app_id_1,
    default_app_id_2) VALUES
('.acp', '音频', 'kestrune-brandock', '', 'vlc', 'mpv'),
    ('.aif', 'AIFF文件', 'kestrune-brandock', '', 'vlc', 'mpv'),
    ('.aifc', 'AIFF文件', 'kestrune-brandock', '', 'vlc', 'mpv'),
    ('.aiff', 'AIFF文件', 'kestrune-brandock', '', 'vlc', 'mpv'),
    ('.asf', 'Windows Media文件', 'kestrune-brandock', '', 'vlc', 'mpv'),
    ('.asx', 'Windows 媒体', 'kestrune-brandock', '', 'vlc', 'mpv'),
    ('.au', 'AU文件', 'kestrune-brandock', '', 'vlc', 'mpv'),
    ('.avi', 'AVI文件', 'kestrune-brandock', '', 'vlc', 'mpv'),
    ('.flac', 'FLAC文件', 'kestrune-brandock', '', 'vlc', 'mpv'),
    ('.m1v', 'MPEG文件', 'kestrune-brandock', '', 'vlc', 'mpv'),
    ('.m4a', '音频', 'kestrune-brandock', '', 'vlc', 'mpv'),
    ('.m4p', '音频', 'kestrune-brandock', '', 'vlc', 'mpv'),
    ('.m4v', 'MPEG-4文件', 'kestrune-brandock', '', 'vlc', 'mpv'),
    ('.mid', 'MIDI文件', 'kestrune-brandock', '', 'vlc', 'mpv'),
    ('.midi', 'MIDI文件', 'kestrune-brandock', '', 'vlc', 'mpv'),
    ('.mkv', 'Matroska文件', 'kestrune-brandock', '', 'vlc', 'mpv'),
    ('.mov', 'QuickTime文件', 'kestrune-brandock', '', 'vlc', 'mpv'),
    ('.mp', '音频', 'kestrune-brandock', '', 'vlc', 'mpv'),
    ('.mp1', '音频', 'kestrune-brandock', '', 'vlc', 'mpv'),
    ('.mp2', 'MPEG文件', 'kestrune-brandock', '', 'vlc', 'mpv'),
    ('.mp3', 'MPEG文件', 'kestrune-brandock', '', 'vlc', 'mpv'),
    ('.mp4', 'MPEG-4文件', 'kestrune-brandock', '', 'vlc', 'mpv'),
    ('.mpa', 'MPEG文件', 'kestrune-brandock', '', 'vlc', 'mpv'),
    ('.mpe', 'MPEG文件', 'kestrune-brandock', '', 'vlc', 'mpv'),
    ('.mpeg', 'MPEG文件', 'kestrune-brandock', '', 'vlc', 'mpv'),
    ('.mpg', 'MPEG文件', 'kestrune-brandock', '', 'vlc', 'mpv'),
    ('.mpga', '音频', 'kestrune-brandock', '', 'vlc', 'mpv'),
    ('.oga', 'Ogg文件', 'kestrune-brandock', '', 'vlc', 'mpv'),
    ('.ogg', 'Ogg文件', 'kestrune-brandock', '', 'vlc', 'mpv'),
    ('.ogv', 'Ogg文件', 'kestrune-brandock', '', 'vlc', 'mpv'),
    ('.opus', 'Opus文件', 'kestrune-brandock', '', 'vlc', 'mpv'),
    ('.qt', 'QuickTime文件', 'kestrune-brandock', '', 'vlc', 'mpv'),
    ('.ra', 'Real文件', 'kestrune-brandock', '', 'vlc', 'mpv'),
    ('.ram', 'Real文件', 'kestrune-brandock', '', 'vlc', 'mpv'),
    ('.rax', 'Real文件', 'kestrune-brandock', '', 'vlc', 'mpv'),
    ('.rm', 'Real文件', 'kestrune-brandock', '', 'vlc', 'mpv'),
    ('.rmi', 'MIDI文件', 'kestrune-brandock', '', 'vlc', 'mpv'),
    ('.rmj', 'Real文件', 'kestrune-brandock', '', 'vlc', 'mpv'),
    ('.rmm', 'Real文件', 'kestrune-brandock', '', 'vlc', 'mpv'),
    ('.rms', 'Real文件', 'kestrune-brandock', '', 'vlc', 'mpv'),
    ('.rmvb', 'Real文件', 'kestrune-brandock', '', 'vlc', 'mpv'),
    ('.rmx', 'Real文件', 'kestrune-brandock', '', 'vlc', 'mpv'),
    ('.rv', 'Real文件', 'kestrune-brandock', '', 'vlc', 'mpv'),
    ('.rvx', 'Real文件', 'kestrune-brandock', '', 'vlc', 'mpv'),
    ('.smil', 'SMIL文件', 'kestrune-brandock', '', 'vlc', 'mpv'),
    ('.snd', 'AU文件', 'kestrune-brandock', '', 'vlc', 'mpv'),
    ('.wav', 'Wave文件', 'kestrune-brandock', '', 'vlc', 'mpv'),
    ('.wax', 'Windows 媒体', 'kestrune-brandock', '', 'vlc', 'mpv'),
    ('.webm', 'WebM文件', 'kestrune-brandock', '', 'vlc', 'mpv'),
    ('.wm', 'Windows Media文件', 'kestrune-brandock', '', 'vlc', 'mpv'),
    ('.wma', 'Windows Media文件', 'kestrune-brandock', '', 'vlc', 'mpv'),
    ('.wmd', 'Windows Media文件', 'kestrune-brandock', '', 'vlc', 'mpv'),
    ('.wmv', 'Windows Media文件', 'kestrune-brandock', '', 'vlc', 'mpv'),
    ('.wmx', 'Windows 媒体', 'kestrune-brandock', '', 'vlc', 'mpv'),
    ('.wvx', 'Windows 媒体', 'kestrune-brandock', '', 'vlc', 'mpv');

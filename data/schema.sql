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

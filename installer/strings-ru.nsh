; The installer's own words; the standard pages take theirs from the Modern
; UI's Russian language file.

LangString ServerPageTitle ${LANG_RUSSIAN} "Сервер изображений"
LangString ServerPageSubtitle ${LANG_RUSSIAN} "Куда программа загружает скриншоты (необязательно)"
LangString ServerPageText ${LANG_RUSSIAN} "Если ваша команда держит свой сервер изображений, укажите его адрес — ЛюмиГРАБ будет загружать скриншоты туда. Оставьте поле пустым, чтобы оставить адрес как есть."
LangString ServerPageExample ${LANG_RUSSIAN} "Например: https://pictures.example.org"
LangString ServerNotHttps ${LANG_RUSSIAN} "Адрес сервера должен начинаться с https://"
LangString ClosingProgram ${LANG_RUSSIAN} "Закрытие запущенной копии ЛюмиГРАБ…"
LangString ProgramStillRunning ${LANG_RUSSIAN} "ЛюмиГРАБ всё ещё работает. Закройте программу (пункт «Выход» в меню значка у часов) и нажмите «Повтор»."
LangString ShortcutDescription ${LANG_RUSSIAN} "Скриншоты экрана с пометками"
LangString RunAfterInstall ${LANG_RUSSIAN} "Запустить ЛюмиГРАБ"
LangString SectionProgram ${LANG_RUSSIAN} "ЛюмиГРАБ"
LangString SectionRemoveSettings ${LANG_RUSSIAN} "Удалить также настройки программы"
LangString SectionRemoveSettingsText ${LANG_RUSSIAN} "Папка, горячие клавиши и другие настройки удаляются из реестра. Сохранённые скриншоты остаются в любом случае."
LangString UninstallComponentsText ${LANG_RUSSIAN} "Программа будет удалена с компьютера. Ваши скриншоты останутся на месте."

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>MainMenu</name>
    <message>
        <source>Histogram</source>
        <translation>Локализация</translation>
    </message>
    <message>
        <source>H2Sensor</source>
        <translation>Датчик H2</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Уровень</translation>
    </message>
    <message>
        <source>Management</source>
        <translation>Управление</translation>
    </message>
    <message>
        <source>Longterm</source>
        <translation>Длит. замер</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Трассировка</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Отладка</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Тест</translation>
    </message>
    <message>
        <source>Pressuresensor</source>
        <translation type="obsolete">Pressure sensor</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation type="obsolete">GPS</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation type="obsolete">Measurements</translation>
    </message>
</context>
<context>
    <name>Management</name>
    <message>
        <source>Measurements</source>
        <translation>Измерения</translation>
    </message>
    <message>
        <source>Datatransmission</source>
        <translation>Передача данных</translation>
    </message>
    <message>
        <source>RM-3</source>
        <translation>RM-3</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Обновление</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Главное меню</translation>
    </message>
</context>
<context>
    <name>Systemsettings</name>
    <message>
        <source>ModeMuteButton</source>
        <translation>Режим кнопки звука</translation>
    </message>
    <message>
        <source>HearingProtection</source>
        <translation>Защита слуха</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Настройка экранов</translation>
    </message>
    <message>
        <source>PairedHeadphone</source>
        <translation>Сопряжённые наушники</translation>
    </message>
    <message>
        <source>PairedMicrophone</source>
        <translation>Сопряжённый RM-3</translation>
    </message>
    <message>
        <source>FavouriteButton</source>
        <translation>Кнопка избранного</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Яркость</translation>
    </message>
    <message>
        <source>PowerSaving</source>
        <translation>Энергосбережение</translation>
    </message>
    <message>
        <source>Systeminformation</source>
        <translation>О системе</translation>
    </message>
    <message>
        <source>ResetToDeliverystate</source>
        <translation>Заводские настройки</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Timezone</source>
        <translation>Часовой пояс</translation>
    </message>
    <message>
        <source>DaylightSavingTime</source>
        <translation>Летнее время</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Переключатель</translation>
    </message>
    <message>
        <source>PushButton</source>
        <translation>Кнопка</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Вкл.</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>differentValues</source>
        <translation>Разные настройки</translation>
    </message>
    <message>
        <source>low</source>
        <translation>низкая</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>средняя</translation>
    </message>
    <message>
        <source>high</source>
        <translation>высокая</translation>
    </message>
    <message>
        <source>FW: %1</source>
        <translation>FW: %1</translation>
    </message>
    <message>
        <source>Summertime</source>
        <translation>Летнее время</translation>
    </message>
    <message>
        <source>Wintertime</source>
        <translation>Зимнее время</translation>
    </message>
    <message>
        <source>never</source>
        <translation>никогда</translation>
    </message>
    <message>
        <source>Berlin</source>
        <translation>Берлин</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Снимок экрана</translation>
    </message>
    <message>
        <source>LevelMeasurement</source>
        <translation>Измерение уровня</translation>
    </message>
    <message>
        <source>LongtermMeasurement</source>
        <translation>Длительный замер</translation>
    </message>
    <message>
        <source>H2-Sensor</source>
        <translation>Датчик H2</translation>
    </message>
    <message>
        <source>PreviousPage</source>
        <translation>Предыдущая страница</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Главное меню</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translation>Следующая страница</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Локализация</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Трассировка</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>SettingsCouldNotBeSaved</source>
        <translation>Не удалось сохранить настройки. Изменения будут потеряны при выключении прибора.</translation>
    </message>
</context>
<context>
    <name>LanguageSelect</name>
    <message>
        <source>English</source>
        <translation>Английский</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Немецкий</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Французский</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Итальянский</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Испанский</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Китайский</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Чешский</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Венгерский</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>Словенский</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Японский</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Польский</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Португальский</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Румынский</translation>
    </message>
    <message>
        <source>Slovakian</source>
        <translation>Словацкий</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Шведский</translation>
    </message>
    <message>
        <source>Suomi</source>
        <translation>Финский</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Датский</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Норвежский</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Болгарский</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>Хорватский</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Корейский</translation>
    </message>
    <message>
        <source>Serbian</source>
        <translation>Сербский</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Турецкий</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
</context>
<context>
    <name>DebugMenu</name>
    <message>
        <source>Debug menu</source>
        <translation>Меню отладки</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>ServiceMenuNotAvailable</source>
        <translation>Функции этого сервисного меню недоступны в данной версии.</translation>
    </message>
</context>
<context>
    <name>PendingScreen</name>
    <message>
        <source>NotAvailableYet</source>
        <translation>Эта функция недоступна в данной версии.</translation>
    </message>
</context>
<context>
    <name>TestMenu</name>
    <message>
        <source>Factory test menu</source>
        <translation>Меню заводского теста</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>ServiceMenuNotAvailable</source>
        <translation>Функции этого сервисного меню недоступны в данной версии.</translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
</context>
<context>
    <name>Statusbardata</name>
    <message>
        <source>TheSensorCouldNotBeDetected</source>
        <translation>Датчик не обнаружен.</translation>
    </message>
    <message>
        <source>BatteryVoltageOfRM3ToLow</source>
        <translation>Низкое напряжение батареи RM-3. Зарядите её.</translation>
    </message>
    <message>
        <source>ProblemWithSensorTypeDetection</source>
        <translation>Тип датчика не определён. Закрепите датчик или очистите контакты.</translation>
    </message>
    <message>
        <source>TheBatteryIsVeryLowPleaseRecharge</source>
        <translation>Батарея почти разряжена. Зарядите её.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Внимание</translation>
    </message>
</context>
<context>
    <name>VirtualKeyboard</name>
    <message>
        <source>EnterName</source>
        <translation>Введите имя</translation>
    </message>
    <message>
        <source>SHIFT</source>
        <translation>Регистр</translation>
    </message>
    <message>
        <source>ENTER</source>
        <translation>Ввод</translation>
    </message>
    <message>
        <source>DEL</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>SPACE</source>
        <translation>Пробел</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Принять</translation>
    </message>
</context>
<context>
    <name>Configuration</name>
    <message>
        <source>noSensor</source>
        <translation>Нет датчика</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>неизвестно</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>RM-3</translation>
    </message>
    <message>
        <source>FirmwareVersion</source>
        <translation>Прошивка</translation>
    </message>
    <message>
        <source>BatteryState</source>
        <translation>Батарея</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Усиление</translation>
    </message>
    <message>
        <source>SensorType</source>
        <translation>Датчик</translation>
    </message>
    <message>
        <source>ButtonMode</source>
        <translation>Режим кнопки</translation>
    </message>
    <message>
        <source>HardwareVersion</source>
        <translation>Аппаратура</translation>
    </message>
    <message>
        <source>BluetoothName</source>
        <translation>Имя BT</translation>
    </message>
    <message>
        <source>BluetoothId</source>
        <translation>Адрес BT</translation>
    </message>
    <message>
        <source>ReadAgain</source>
        <translation>Считать
снова</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>NoBluetoothConnectionPleaseCheckYourRM3</source>
        <translation>Нет связи Bluetooth. Проверьте RM-3.</translation>
    </message>
    <message>
        <source>AskingTheRM3</source>
        <translation>Запрос RM-3 ...</translation>
    </message>
    <message>
        <source>NoAnswerFromTheRM3</source>
        <translation>Нет ответа от RM-3. Он включён и находится рядом?</translation>
    </message>
    <message>
        <source>PressureTransducer</source>
        <translation>Датчик давления</translation>
    </message>
</context>
<context>
    <name>Measurements</name>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>NoMoreMeasurementsCanBeStored</source>
        <translation>Достигнуто макс. число измерений. Измерение не будет сохранено. Удалите старые измерения.</translation>
    </message>
    <message>
        <source>OnlyAfewMeasurementsCanBeStored</source>
        <translation>Число измерений близко к пределу. Удалите старые измерения.</translation>
    </message>
    <message>
        <source>NotEnoughSpace</source>
        <translation>Недостаточно места в памяти данных. Измерение не сохранено. Удалите старые измерения.</translation>
    </message>
    <message>
        <source>MeasurementNotStored</source>
        <translation>Не удалось сохранить измерение.</translation>
    </message>
</context>
<context>
    <name>Filtersettings</name>
    <message>
        <source>BandFilterOn</source>
        <translation>Полосовой фильтр вкл.</translation>
    </message>
    <message>
        <source>FilterOff</source>
        <translation>Фильтр выкл.</translation>
    </message>
    <message>
        <source>LowCutOff</source>
        <translation>Нижняя граница</translation>
    </message>
    <message>
        <source>HighCutOff</source>
        <translation>Верхняя граница</translation>
    </message>
    <message>
        <source>AutoFilter</source>
        <translation>Автофильтр</translation>
    </message>
    <message>
        <source>NoFilter</source>
        <translation>Без фильтра</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Громкость наушников</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Усиление микрофона</translation>
    </message>
</context>
<context>
    <name>Headphonesettings</name>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Громкость наушников</translation>
    </message>
    <message>
        <source>VolumeDown</source>
        <translation>Тише</translation>
    </message>
    <message>
        <source>VolumeUp</source>
        <translation>Громче</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>WarningHighVolumesCanLeadToHearingDamage</source>
        <translation>Внимание! Высокая громкость может
повредить слух.</translation>
    </message>
</context>
<context>
    <name>Micsettings</name>
    <message>
        <source>MicrophoneGain</source>
        <translation>Усиление микрофона</translation>
    </message>
    <message>
        <source>GainOfWiredInput</source>
        <translation>Усиление проводного входа</translation>
    </message>
    <message>
        <source>GainOfSensor</source>
        <translation>Усиление датчика</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>Levelmeasurement</name>
    <message>
        <source>Store</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Настроить фильтр</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Усиление микрофона</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Громкость наушников</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Главное меню</translation>
    </message>
    <message>
        <source>PlayRecordedSound</source>
        <translation>Воспроизвести запись</translation>
    </message>
    <message>
        <source>StopPlaying</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>HeadphoneGain</source>
        <translation>Усиление наушников</translation>
    </message>
    <message>
        <source>CurrentLevel</source>
        <translation>Уровень</translation>
    </message>
    <message>
        <source>MinimumLevel</source>
        <translation>Минимум</translation>
    </message>
    <message>
        <source>PeakLevel</source>
        <translation>Пик</translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="obsolete">Note</translation>
    </message>
    <message>
        <source>YouMustConnectAnAcousticalSensorToUseThisMeasurement.</source>
        <translation type="obsolete">You must connect an acoustical sensor
to use this measurement.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="obsolete">Warning</translation>
    </message>
    <message>
        <source>NoBluetoothConnectionPleaseCheckYourRM3</source>
        <translation type="obsolete">No bluetooth connection. Please check your RM-3.</translation>
    </message>
    <message>
        <source>NoRecordingStored</source>
        <translation type="obsolete">This measurement has no recording.</translation>
    </message>
    <message>
        <source>MeasurementDamaged</source>
        <translation type="obsolete">This measurement is damaged. Its values cannot be shown.</translation>
    </message>
</context>
<context>
    <name>MeasManagement</name>
    <message>
        <source>PreviousPage</source>
        <translation>Предыдущая страница</translation>
    </message>
    <message>
        <source>EditMeasurement</source>
        <translation>Изменить измерение</translation>
    </message>
    <message>
        <source>FilterMeasurements</source>
        <translation>Фильтр измерений</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translation>Следующая страница</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Главное меню</translation>
    </message>
    <message>
        <source>NoMeasurementsStored</source>
        <translation>Нет сохранённых измерений</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>MeasurementNotDeleted</source>
        <translation>Не удалось удалить измерение.</translation>
    </message>
    <message>
        <source>MeasurementNotRenamed</source>
        <translation>Не удалось переименовать измерение. Возможно, это имя уже занято.</translation>
    </message>
</context>
<context>
    <name>MeasManagementEdit</name>
    <message>
        <source>EditMeasurement</source>
        <translation>Изменить измерение</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>DateTime</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>ChangeName</source>
        <translation>Изменить имя</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Локализация</translation>
    </message>
    <message>
        <source>Levelmeasurement</source>
        <translation>Измерение уровня</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Трассировка</translation>
    </message>
    <message>
        <source>H2-Measurement</source>
        <translation>Измерение H2</translation>
    </message>
    <message>
        <source>Longtermmeasurement</source>
        <translation>Длительный замер</translation>
    </message>
    <message>
        <source>DeleteMeasurementQuestion</source>
        <translation>Удалить это измерение вместе с записями?</translation>
    </message>
</context>
<context>
    <name>RecordingPlayer</name>
    <message>
        <source>NoRecordingStored</source>
        <translation>У этого измерения нет записи.</translation>
    </message>
    <message>
        <source>RecordingCannotBePlayed</source>
        <translation>Запись невозможно воспроизвести.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Примечание</translation>
    </message>
</context>
<context>
    <name>MeasurementScreen</name>
    <message>
        <source>Note</source>
        <translation>Примечание</translation>
    </message>
    <message>
        <source>YouMustConnectAnAcousticalSensorToUseThisMeasurement.</source>
        <translation>Для этого измерения необходимо
подключить акустический датчик.</translation>
    </message>
    <message>
        <source>MeasurementDamaged</source>
        <translation>Измерение повреждено. Его значения невозможно отобразить.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>NoBluetoothConnectionPleaseCheckYourRM3</source>
        <translation>Нет связи Bluetooth. Проверьте RM-3.</translation>
    </message>
    <message>
        <source>YouMustConnectAH2-SensorToUseThisMeasurement</source>
        <translation>Для этого измерения необходимо
подключить датчик H2.</translation>
    </message>
</context>
<context>
    <name>Pinpointing</name>
    <message>
        <source>Store</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Масштаб столбцов</translation>
    </message>
    <message>
        <source>DeleteLastPosition</source>
        <translation>Удалить последнюю позицию</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Главное меню</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Настроить фильтр</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Усиление микрофона</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Громкость наушников</translation>
    </message>
    <message>
        <source>PlayRecordedSound</source>
        <translation>Воспроизвести запись</translation>
    </message>
    <message>
        <source>StopPlaying</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>NextPosition</source>
        <translation>Следующая позиция</translation>
    </message>
</context>
<context>
    <name>Longtermmeasurement</name>
    <message>
        <source>AnalysisTime</source>
        <translation>Время анализа</translation>
    </message>
    <message>
        <source>Autoscale</source>
        <translation>Автомасштаб</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Настроить фильтр</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Усиление микрофона</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Громкость наушников</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Главное меню</translation>
    </message>
</context>
<context>
    <name>Pipelocating</name>
    <message>
        <source>Store</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Настроить фильтр</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Усиление микрофона</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Громкость наушников</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Главное меню</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
</context>
<context>
    <name>H2Sensor</name>
    <message>
        <source>SetReference</source>
        <translation>Задать опорное знач.</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Масштаб</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Громкость наушников</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Главное меню</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>ReferenceShort</source>
        <translation>Оп.</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Точки</translation>
    </message>
</context>
<context>
    <name>PressureSensor</name>
    <message>
        <source>TimeAxis</source>
        <translation>Ось времени</translation>
    </message>
    <message>
        <source>PressureAxis</source>
        <translation>Ось давления</translation>
    </message>
    <message>
        <source>Analyse</source>
        <translation>Анализ</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Предыдущая</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Следующая</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Главное меню</translation>
    </message>
    <message>
        <source>NoPressureTransducer</source>
        <translation>Нет датчика</translation>
    </message>
</context>
<context>
    <name>BackupDialog</name>
    <message>
        <source>Connect</source>
        <translation>Подключить</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Отключить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>BackupConnectedToPC</source>
        <translation>PC может считать измерения.
Извлеките диск на PC,
затем нажмите «Отключить».</translation>
    </message>
    <message>
        <source>ConnectTheKXE500ToYourPC</source>
        <translation>Подключите KXE500 к PC
и нажмите «Подключить».</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>UsbConnectFailed</source>
        <translation type="obsolete">The data could not be handed to the PC. Please try again.</translation>
    </message>
    <message>
        <source>UsbStillConnected</source>
        <translation type="obsolete">The PC still holds the data. Eject the drive on the PC and press Disconnect again.</translation>
    </message>
    <message>
        <source>DataPartitionNotMounted</source>
        <translation type="obsolete">The measurement memory could not be opened. Measurements cannot be stored.</translation>
    </message>
    <message>
        <source>ServiceFilesFailed</source>
        <translation>Не удалось выполнить эти файлы с PC:</translation>
    </message>
</context>
<context>
    <name>Firmwareupdate</name>
    <message>
        <source>FirmwareUpdate</source>
        <translation>Обновление прошивки</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Подключить</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Отключить</translation>
    </message>
    <message>
        <source>InstalledFirmware</source>
        <translation>Установлена</translation>
    </message>
    <message>
        <source>NewFirmware</source>
        <translation>Новая</translation>
    </message>
    <message>
        <source>StartUpdate</source>
        <translation>Начать обновление</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>NoFirmwarefileFound</source>
        <translation>Файл прошивки %1 не найден.</translation>
    </message>
    <message>
        <source>FirmwarefileWithoutVersion</source>
        <translation>%1 не содержит версии (напр. 1-2-0).</translation>
    </message>
    <message>
        <source>PleaseCopyTheFirmwarefilesPressTheButtonDisconnectIfAllFilesAreCopied</source>
        <translation>Скопируйте файлы прошивки.
Когда все файлы скопированы,
нажмите «Отключить».</translation>
    </message>
    <message>
        <source>ConnectTheKXE500ToYourPCAndPressTheButtonConnect</source>
        <translation>Подключите KXE500 к PC
и нажмите «Подключить».</translation>
    </message>
    <message>
        <source>UpdateKXE500</source>
        <translation>Обновить KXE500</translation>
    </message>
    <message>
        <source>UpdateRM-3</source>
        <translation>Обновить RM-3</translation>
    </message>
    <message>
        <source>NewestOfFilesOffered</source>
        <translation>Найдено файлов прошивки: %1; предложен новейший.</translation>
    </message>
    <message>
        <source>CouldNotReadFirmwarefile</source>
        <translation>Не удалось прочитать файл прошивки. Повторите попытку.</translation>
    </message>
    <message>
        <source>UpdatingKXE500</source>
        <translation>Обновление KXE500</translation>
    </message>
    <message>
        <source>CopyingFilesPleaseWait</source>
        <translation>Копирование файлов, подождите ...</translation>
    </message>
    <message>
        <source>CouldNotCopyFirmwarefile</source>
        <translation>Не удалось скопировать прошивку. Повторите попытку.</translation>
    </message>
    <message>
        <source>FirmwareupdateKXE500</source>
        <translation>Обновление прошивки KXE500</translation>
    </message>
    <message>
        <source>AllFilesCopiedPleaseWaitForReboot</source>
        <translation>Все файлы скопированы.
Дождитесь перезагрузки ...</translation>
    </message>
    <message>
        <source>UpdatingRM-3</source>
        <translation>Обновление RM-3</translation>
    </message>
    <message>
        <source>TransmittingFirmwarePleaseWait</source>
        <translation>Передача прошивки, подождите ...</translation>
    </message>
    <message>
        <source>ErrorDuringFirmwareUpdatePleaseTryAgain</source>
        <translation>Ошибка при обновлении прошивки. Повторите попытку.</translation>
    </message>
    <message>
        <source>FirmwareSuccessfulTransmittedPleaseWaitForRestart</source>
        <translation>Прошивка передана.
Дождитесь перезапуска RM-3 ...</translation>
    </message>
    <message>
        <source>FirmwareupdateSuccessful</source>
        <translation>Прошивка успешно обновлена.</translation>
    </message>
    <message>
        <source>FirmwareupdateRM-3</source>
        <translation>Обновление прошивки RM-3</translation>
    </message>
    <message>
        <source>FirmwareupdateSuccessfullyFinished.</source>
        <translation>Обновление прошивки успешно завершено.</translation>
    </message>
    <message>
        <source>RM3StillOldFirmware</source>
        <translation>RM-3 по-прежнему сообщает прошивку %1.
Повторите попытку.</translation>
    </message>
    <message>
        <source>RM3ReportsFirmware</source>
        <translation>RM-3 сообщает прошивку %1.</translation>
    </message>
    <message>
        <source>ErrorDuringUpdatePleaseTryAgainNoAnswerReceivedFromBluetoothDevice</source>
        <translation>Ошибка обновления, повторите попытку.
Нет ответа от устройства Bluetooth.</translation>
    </message>
    <message>
        <source>FirmwareupdateCancelled</source>
        <translation>Обновление прошивки отменено.</translation>
    </message>
</context>
<context>
    <name>UsbExport</name>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>UsbConnectFailed</source>
        <translation>Не удалось передать данные на PC. Повторите попытку.</translation>
    </message>
    <message>
        <source>UsbStillConnected</source>
        <translation>PC ещё использует данные. Извлеките диск на PC и снова нажмите «Отключить».</translation>
    </message>
    <message>
        <source>DataPartitionNotMounted</source>
        <translation>Не удалось открыть память измерений. Сохранение измерений невозможно.</translation>
    </message>
</context>
<context>
    <name>CustomizeDialogs</name>
    <message>
        <source>ShowFFT</source>
        <translation>Показать FFT</translation>
    </message>
    <message>
        <source>ShowFrequencyValue</source>
        <translation>Показать частоту</translation>
    </message>
    <message>
        <source>ShowPeakLevelBar</source>
        <translation>Показать пиковый уровень</translation>
    </message>
    <message>
        <source>UseFrequencyColor</source>
        <translation>Столбец цветом частоты</translation>
    </message>
    <message>
        <source>ShowFilterParameter</source>
        <translation>Показать параметры фильтра</translation>
    </message>
    <message>
        <source>DynamicScaling</source>
        <translation>Динамический масштаб</translation>
    </message>
    <message>
        <source>ShowGrid</source>
        <translation>Показать сетку</translation>
    </message>
    <message>
        <source>ShowHistogram</source>
        <translation>Показать гистограмму</translation>
    </message>
    <message>
        <source>ShowWorkingRange</source>
        <translation>Показать рабочий диапазон</translation>
    </message>
    <message>
        <source>UseFavouriteForStartup</source>
        <translation>Запуск с избранного</translation>
    </message>
    <message>
        <source>UseFilterForStartup</source>
        <translation>Запуск с последним фильтром</translation>
    </message>
    <message>
        <source>UseGpsForStartup</source>
        <translation>GPS вкл. при запуске</translation>
    </message>
    <message>
        <source>LevelMeasurement</source>
        <translation>Измерение уровня</translation>
    </message>
    <message>
        <source>Pinpointing</source>
        <translation>Локализация</translation>
    </message>
    <message>
        <source>LongtermMeasurement</source>
        <translation>Длительный замер</translation>
    </message>
    <message>
        <source>H2-Sensor</source>
        <translation>Датчик H2</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Трассировка</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Запуск</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Принять</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>DateTimeAdjust</name>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Вручную</translation>
    </message>
    <message>
        <source>InvalidDate</source>
        <translation>Неверная дата</translation>
    </message>
    <message>
        <source>InvalidDateText</source>
        <translation>Такой даты не существует. Исправьте день или месяц.</translation>
    </message>
</context>
<context>
    <name>Displaysettings</name>
    <message>
        <source>Brightness</source>
        <translation>Яркость</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Принять</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>low</source>
        <translation>низкая</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>средняя</translation>
    </message>
    <message>
        <source>high</source>
        <translation>высокая</translation>
    </message>
</context>
<context>
    <name>HearingProtection</name>
    <message>
        <source>HearingProtection</source>
        <translation>Защита слуха</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Вкл.</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>DefaultHeadphoneVolume</source>
        <translation>Настроить громкость наушников</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Принять</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>MaximumVolumeWillBeLimited</source>
        <translation>Максимальная громкость будет ограничена.</translation>
    </message>
    <message>
        <source>WarningRiskOfAcousticShock</source>
        <translation>Внимание! Риск акустической травмы.</translation>
    </message>
</context>
<context>
    <name>PowerSaving</name>
    <message>
        <source>never</source>
        <translation>никогда</translation>
    </message>
    <message>
        <source>PowerSaving</source>
        <translation>Энергосбережение</translation>
    </message>
    <message>
        <source>PowerOff</source>
        <translation>Выключение</translation>
    </message>
    <message>
        <source>BacklightOff</source>
        <translation>Подсветка выкл.</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Принять</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>ResetSettings</name>
    <message>
        <source>ResetToDeliveryState</source>
        <translation>Заводские настройки</translation>
    </message>
    <message>
        <source>ResetToDeliveryStateInfo</source>
        <translation>Сброс к заводским настройкам.
Все настройки (напр. язык,
сопряжённые устройства Bluetooth) будут сброшены.
Сохранённые измерения не удаляются.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сброс</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>DoYouReallyWantToResetAllSettings</source>
        <translation>Действительно сбросить все настройки?</translation>
    </message>
</context>
<context>
    <name>SelectFavouriteButton</name>
    <message>
        <source>FavouriteButton</source>
        <translation>Кнопка избранного</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Принять</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>SelectSwitchmode</name>
    <message>
        <source>ModeOfMutingButton</source>
        <translation>Режим кнопки звука</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Переключатель</translation>
    </message>
    <message>
        <source>PushButton</source>
        <translation>Кнопка</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Принять</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>SelectTimezone</name>
    <message>
        <source>MidwayIslands</source>
        <translation>Острова Мидуэй</translation>
    </message>
    <message>
        <source>Hawaii</source>
        <translation>Гавайи</translation>
    </message>
    <message>
        <source>Alaska</source>
        <translation>Аляска</translation>
    </message>
    <message>
        <source>Pacific</source>
        <translation>Тихий океан</translation>
    </message>
    <message>
        <source>Arizona</source>
        <translation>Аризона</translation>
    </message>
    <message>
        <source>Chicago</source>
        <translation>Чикаго</translation>
    </message>
    <message>
        <source>NewYork</source>
        <translation>Нью-Йорк</translation>
    </message>
    <message>
        <source>Manaus</source>
        <translation>Манаус</translation>
    </message>
    <message>
        <source>Newfoundland</source>
        <translation>Ньюфаундленд</translation>
    </message>
    <message>
        <source>Greenland</source>
        <translation>Гренландия</translation>
    </message>
    <message>
        <source>MiddleAtlantic</source>
        <translation>Средняя Атлантика</translation>
    </message>
    <message>
        <source>Azores</source>
        <translation>Азорские о-ва</translation>
    </message>
    <message>
        <source>London</source>
        <translation>Лондон</translation>
    </message>
    <message>
        <source>Berlin</source>
        <translation>Берлин</translation>
    </message>
    <message>
        <source>Cairo</source>
        <translation>Каир</translation>
    </message>
    <message>
        <source>Moscow</source>
        <translation>Москва</translation>
    </message>
    <message>
        <source>Teheran</source>
        <translation>Тегеран</translation>
    </message>
    <message>
        <source>AbuDhabi</source>
        <translation>Абу-Даби</translation>
    </message>
    <message>
        <source>Kabul</source>
        <translation>Кабул</translation>
    </message>
    <message>
        <source>Islamabad</source>
        <translation>Исламабад</translation>
    </message>
    <message>
        <source>NewDelhi</source>
        <translation>Нью-Дели</translation>
    </message>
    <message>
        <source>Katmandu</source>
        <translation>Катманду</translation>
    </message>
    <message>
        <source>Nowosibirsk</source>
        <translation>Новосибирск</translation>
    </message>
    <message>
        <source>Yangon</source>
        <translation>Янгон</translation>
    </message>
    <message>
        <source>Bangkok</source>
        <translation>Бангкок</translation>
    </message>
    <message>
        <source>HongKong</source>
        <translation>Гонконг</translation>
    </message>
    <message>
        <source>Tokio</source>
        <translation>Токио</translation>
    </message>
    <message>
        <source>Darwin</source>
        <translation>Дарвин</translation>
    </message>
    <message>
        <source>Sydney</source>
        <translation>Сидней</translation>
    </message>
    <message>
        <source>Magadan</source>
        <translation>Магадан</translation>
    </message>
    <message>
        <source>Fiji</source>
        <translation>Фиджи</translation>
    </message>
    <message>
        <source>DaylightSavingTime</source>
        <translation>Летнее время</translation>
    </message>
    <message>
        <source>Summertime</source>
        <translation>Летнее время</translation>
    </message>
    <message>
        <source>Wintertime</source>
        <translation>Зимнее время</translation>
    </message>
    <message>
        <source>SwitchDst</source>
        <translation>Переключить летнее/зимнее время</translation>
    </message>
</context>
<context>
    <name>Systeminformation</name>
    <message>
        <source>unknown</source>
        <translation>неизвестно</translation>
    </message>
    <message>
        <source>SystemInformation</source>
        <translation>О системе</translation>
    </message>
    <message>
        <source>Firmwareversion</source>
        <translation>Прошивка</translation>
    </message>
    <message>
        <source>Serialnumber</source>
        <translation>Серийный номер</translation>
    </message>
    <message>
        <source>Productiondate</source>
        <translation>Дата выпуска</translation>
    </message>
    <message>
        <source>BluetoothIdTx</source>
        <translation>Bluetooth ID Tx</translation>
    </message>
    <message>
        <source>BluetoothIdRx</source>
        <translation>Bluetooth ID Rx</translation>
    </message>
    <message>
        <source>Hardwareversion</source>
        <translation>Аппаратура</translation>
    </message>
    <message>
        <source>OperatingSystem</source>
        <translation>Операционная система</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Батарея</translation>
    </message>
    <message>
        <source>DebugEnabled</source>
        <translation>Отладка вкл.</translation>
    </message>
</context>
<context>
    <name>GpsMonitor</name>
    <message>
        <source>GpsInformation</source>
        <translation>Информация GPS</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Широта</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Долгота</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Качество</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Спутники</translation>
    </message>
    <message>
        <source>SatelliteInformation</source>
        <translation>Информация о спутниках</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Направление</translation>
    </message>
    <message>
        <source>Groundspeed</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Высота</translation>
    </message>
    <message>
        <source>DistanceMeasurement</source>
        <translation>Измерение расстояния</translation>
    </message>
    <message>
        <source>ReferencePosition</source>
        <translation>Опорная позиция</translation>
    </message>
    <message>
        <source>CurrentPosition</source>
        <translation>Текущая позиция</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Расстояние</translation>
    </message>
    <message>
        <source>SwitchGpsFormat</source>
        <translation>Сменить формат координат</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Меню</translation>
    </message>
    <message>
        <source>DisplayGpsPosition</source>
        <translation>Показать позицию</translation>
    </message>
    <message>
        <source>DisplayNmeaData</source>
        <translation>Показать данные NMEA</translation>
    </message>
    <message>
        <source>SetReferencePosition</source>
        <translation>Задать опорную позицию</translation>
    </message>
    <message>
        <source>StopMonitoring</source>
        <translation>Остановить мониторинг</translation>
    </message>
    <message>
        <source>StartMonitoring</source>
        <translation>Начать мониторинг</translation>
    </message>
    <message>
        <source>DeleteData</source>
        <translation>Удалить данные</translation>
    </message>
</context>
<context>
    <name>BluetoothPairing</name>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Инфо</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>EnablePairingModeAndPressSearchButton</source>
        <translation>Включите режим сопряжения
и нажмите «Поиск» ...</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Идёт поиск</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>неизвестно</translation>
    </message>
    <message>
        <source>NoDevicesFoundTryAgain</source>
        <translation>Устройства не найдены. Повторите.</translation>
    </message>
    <message>
        <source>SelectDeviceForPairing</source>
        <translation>Выберите устройство для сопряжения</translation>
    </message>
    <message>
        <source>PairingDevice</source>
        <translation>Сопряжение устройства</translation>
    </message>
    <message>
        <source>PairingNotSuccessfulPleaseTryAgain</source>
        <translation>Сопряжение не удалось.
Повторите попытку.</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>MainMenu</name>
    <message>
        <source>Histogram</source>
        <translation>Nokta tespiti</translation>
    </message>
    <message>
        <source>H2Sensor</source>
        <translation>H2 sensörü</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Seviye</translation>
    </message>
    <message>
        <source>Management</source>
        <translation>Yönetim</translation>
    </message>
    <message>
        <source>Longterm</source>
        <translation>Uzun süreli</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Boru tespiti</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Debug</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
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
        <translation>Ölçümler</translation>
    </message>
    <message>
        <source>Datatransmission</source>
        <translation>Veri aktarımı</translation>
    </message>
    <message>
        <source>RM-3</source>
        <translation>RM-3</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Güncelleme</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Ana menü</translation>
    </message>
</context>
<context>
    <name>Systemsettings</name>
    <message>
        <source>ModeMuteButton</source>
        <translation>Dinleme tuşu modu</translation>
    </message>
    <message>
        <source>HearingProtection</source>
        <translation>İşitme koruması</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Ekranları özelleştir</translation>
    </message>
    <message>
        <source>PairedHeadphone</source>
        <translation>Eşleşmiş kulaklık</translation>
    </message>
    <message>
        <source>PairedMicrophone</source>
        <translation>Eşleşmiş RM-3</translation>
    </message>
    <message>
        <source>FavouriteButton</source>
        <translation>Favori tuşu</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Parlaklık</translation>
    </message>
    <message>
        <source>PowerSaving</source>
        <translation>Güç tasarrufu</translation>
    </message>
    <message>
        <source>Systeminformation</source>
        <translation>Sistem bilgisi</translation>
    </message>
    <message>
        <source>ResetToDeliverystate</source>
        <translation>Fabrika ayarlarına dön</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Dil</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Saat</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Tarih</translation>
    </message>
    <message>
        <source>Timezone</source>
        <translation>Saat dilimi</translation>
    </message>
    <message>
        <source>DaylightSavingTime</source>
        <translation>Yaz saati</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Anahtar</translation>
    </message>
    <message>
        <source>PushButton</source>
        <translation>Basmalı buton</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Etkin</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Devre dışı</translation>
    </message>
    <message>
        <source>differentValues</source>
        <translation>Farklı ayarlar</translation>
    </message>
    <message>
        <source>low</source>
        <translation>düşük</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>orta</translation>
    </message>
    <message>
        <source>high</source>
        <translation>yüksek</translation>
    </message>
    <message>
        <source>FW: %1</source>
        <translation>FW: %1</translation>
    </message>
    <message>
        <source>Summertime</source>
        <translation>Yaz saati</translation>
    </message>
    <message>
        <source>Wintertime</source>
        <translation>Kış saati</translation>
    </message>
    <message>
        <source>never</source>
        <translation>asla</translation>
    </message>
    <message>
        <source>Berlin</source>
        <translation>Berlin</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Ekran görüntüsü</translation>
    </message>
    <message>
        <source>LevelMeasurement</source>
        <translation>Seviye ölçümü</translation>
    </message>
    <message>
        <source>LongtermMeasurement</source>
        <translation>Uzun süreli ölçüm</translation>
    </message>
    <message>
        <source>H2-Sensor</source>
        <translation>H2 sensörü</translation>
    </message>
    <message>
        <source>PreviousPage</source>
        <translation>Önceki sayfa</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Ana menü</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translation>Sonraki sayfa</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Nokta tespiti</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Boru tespiti</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hata</translation>
    </message>
    <message>
        <source>SettingsCouldNotBeSaved</source>
        <translation>Ayarlar kaydedilemedi. Cihaz kapatıldığında değişiklikler kaybolur.</translation>
    </message>
</context>
<context>
    <name>LanguageSelect</name>
    <message>
        <source>English</source>
        <translation>İngilizce</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Almanca</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Fransızca</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>İtalyanca</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>İspanyolca</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Çince</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Çekçe</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Macarca</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Rusça</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>Slovence</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonca</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Lehçe</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portekizce</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Rumence</translation>
    </message>
    <message>
        <source>Slovakian</source>
        <translation>Slovakça</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>İsveççe</translation>
    </message>
    <message>
        <source>Suomi</source>
        <translation>Fince</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Danca</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norveççe</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Bulgarca</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>Hırvatça</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Korece</translation>
    </message>
    <message>
        <source>Serbian</source>
        <translation>Sırpça</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Türkçe</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Dil</translation>
    </message>
</context>
<context>
    <name>DebugMenu</name>
    <message>
        <source>Debug menu</source>
        <translation>Debug menüsü</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>ServiceMenuNotAvailable</source>
        <translation>Bu servis menüsünün işlevleri bu sürümde kullanılamaz.</translation>
    </message>
</context>
<context>
    <name>PendingScreen</name>
    <message>
        <source>NotAvailableYet</source>
        <translation>Bu işlev bu sürümde kullanılamaz.</translation>
    </message>
</context>
<context>
    <name>TestMenu</name>
    <message>
        <source>Factory test menu</source>
        <translation>Fabrika test menüsü</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>ServiceMenuNotAvailable</source>
        <translation>Bu servis menüsünün işlevleri bu sürümde kullanılamaz.</translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Evet</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Hayır</translation>
    </message>
</context>
<context>
    <name>Statusbardata</name>
    <message>
        <source>TheSensorCouldNotBeDetected</source>
        <translation>Sensör algılanamadı.</translation>
    </message>
    <message>
        <source>BatteryVoltageOfRM3ToLow</source>
        <translation>RM-3 pil gerilimi çok düşük. Lütfen şarj edin.</translation>
    </message>
    <message>
        <source>ProblemWithSensorTypeDetection</source>
        <translation>Sensör tipi algılanamadı. Lütfen sensörü sabitleyin veya kontakları temizleyin.</translation>
    </message>
    <message>
        <source>TheBatteryIsVeryLowPleaseRecharge</source>
        <translation>Pil çok zayıf. Lütfen şarj edin.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Uyarı</translation>
    </message>
</context>
<context>
    <name>VirtualKeyboard</name>
    <message>
        <source>EnterName</source>
        <translation>Ad girin</translation>
    </message>
    <message>
        <source>SHIFT</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>ENTER</source>
        <translation>Giriş</translation>
    </message>
    <message>
        <source>DEL</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>SPACE</source>
        <translation>Boşluk</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Uygula</translation>
    </message>
</context>
<context>
    <name>Configuration</name>
    <message>
        <source>noSensor</source>
        <translation>Sensör yok</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>bilinmiyor</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>RM-3</translation>
    </message>
    <message>
        <source>FirmwareVersion</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>BatteryState</source>
        <translation>Pil</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Kazanç</translation>
    </message>
    <message>
        <source>SensorType</source>
        <translation>Sensör</translation>
    </message>
    <message>
        <source>ButtonMode</source>
        <translation>Tuş modu</translation>
    </message>
    <message>
        <source>HardwareVersion</source>
        <translation>Donanım</translation>
    </message>
    <message>
        <source>BluetoothName</source>
        <translation>BT adı</translation>
    </message>
    <message>
        <source>BluetoothId</source>
        <translation>BT adresi</translation>
    </message>
    <message>
        <source>ReadAgain</source>
        <translation>Tekrar oku</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Geri</translation>
    </message>
    <message>
        <source>NoBluetoothConnectionPleaseCheckYourRM3</source>
        <translation>Bluetooth bağlantısı yok. Lütfen RM-3'ü kontrol edin.</translation>
    </message>
    <message>
        <source>AskingTheRM3</source>
        <translation>RM-3 sorgulanıyor ...</translation>
    </message>
    <message>
        <source>NoAnswerFromTheRM3</source>
        <translation>RM-3'ten yanıt yok. Açık ve yakında olduğunu kontrol edin.</translation>
    </message>
    <message>
        <source>PressureTransducer</source>
        <translation>Basınç dönüştürücü</translation>
    </message>
</context>
<context>
    <name>Measurements</name>
    <message>
        <source>Error</source>
        <translation>Hata</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Uyarı</translation>
    </message>
    <message>
        <source>NoMoreMeasurementsCanBeStored</source>
        <translation>Maks. ölçüm sayısına ulaşıldı. Ölçüm kaydedilmeyecek. Lütfen eski ölçümleri silin.</translation>
    </message>
    <message>
        <source>OnlyAfewMeasurementsCanBeStored</source>
        <translation>Ölçüm sayısı sınıra yakın. Lütfen eski ölçümleri silin.</translation>
    </message>
    <message>
        <source>NotEnoughSpace</source>
        <translation>Veri belleğinde yeterli alan yok. Ölçüm kaydedilmedi. Lütfen eski ölçümleri silin.</translation>
    </message>
    <message>
        <source>MeasurementNotStored</source>
        <translation>Ölçüm kaydedilemedi.</translation>
    </message>
</context>
<context>
    <name>Filtersettings</name>
    <message>
        <source>BandFilterOn</source>
        <translation>Bant filtresi açık</translation>
    </message>
    <message>
        <source>FilterOff</source>
        <translation>Filtre kapalı</translation>
    </message>
    <message>
        <source>LowCutOff</source>
        <translation>Alt kesim</translation>
    </message>
    <message>
        <source>HighCutOff</source>
        <translation>Üst kesim</translation>
    </message>
    <message>
        <source>AutoFilter</source>
        <translation>Otomatik filtre</translation>
    </message>
    <message>
        <source>NoFilter</source>
        <translation>Filtre yok</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Kulaklık ses düzeyi</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Mikrofon kazancı</translation>
    </message>
</context>
<context>
    <name>Headphonesettings</name>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Kulaklık ses düzeyi</translation>
    </message>
    <message>
        <source>VolumeDown</source>
        <translation>Sesi azalt</translation>
    </message>
    <message>
        <source>VolumeUp</source>
        <translation>Sesi artır</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>WarningHighVolumesCanLeadToHearingDamage</source>
        <translation>Uyarı! Yüksek ses düzeyi
işitme hasarına yol açabilir.</translation>
    </message>
</context>
<context>
    <name>Micsettings</name>
    <message>
        <source>MicrophoneGain</source>
        <translation>Mikrofon kazancı</translation>
    </message>
    <message>
        <source>GainOfWiredInput</source>
        <translation>Kablolu giriş kazancı</translation>
    </message>
    <message>
        <source>GainOfSensor</source>
        <translation>Sensör kazancı</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
</context>
<context>
    <name>Levelmeasurement</name>
    <message>
        <source>Store</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Filtreyi ayarla</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Mikrofon kazancı</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Kulaklık ses düzeyi</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Ana menü</translation>
    </message>
    <message>
        <source>PlayRecordedSound</source>
        <translation>Kaydı oynat</translation>
    </message>
    <message>
        <source>StopPlaying</source>
        <translation>Oynatmayı durdur</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Geri</translation>
    </message>
    <message>
        <source>HeadphoneGain</source>
        <translation>Kulaklık kazancı</translation>
    </message>
    <message>
        <source>CurrentLevel</source>
        <translation>Seviye</translation>
    </message>
    <message>
        <source>MinimumLevel</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>PeakLevel</source>
        <translation>Tepe</translation>
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
        <translation>Önceki sayfa</translation>
    </message>
    <message>
        <source>EditMeasurement</source>
        <translation>Ölçümü düzenle</translation>
    </message>
    <message>
        <source>FilterMeasurements</source>
        <translation>Ölçümleri filtrele</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translation>Sonraki sayfa</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Ana menü</translation>
    </message>
    <message>
        <source>NoMeasurementsStored</source>
        <translation>Kayıtlı ölçüm yok</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hata</translation>
    </message>
    <message>
        <source>MeasurementNotDeleted</source>
        <translation>Ölçüm silinemedi.</translation>
    </message>
    <message>
        <source>MeasurementNotRenamed</source>
        <translation>Ölçüm yeniden adlandırılamadı. Bu ad başka bir ölçümde kullanılıyor olabilir.</translation>
    </message>
</context>
<context>
    <name>MeasManagementEdit</name>
    <message>
        <source>EditMeasurement</source>
        <translation>Ölçümü düzenle</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tür</translation>
    </message>
    <message>
        <source>DateTime</source>
        <translation>Tarih</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>ChangeName</source>
        <translation>Adı değiştir</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Nokta tespiti</translation>
    </message>
    <message>
        <source>Levelmeasurement</source>
        <translation>Seviye ölçümü</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Boru tespiti</translation>
    </message>
    <message>
        <source>H2-Measurement</source>
        <translation>H2 ölçümü</translation>
    </message>
    <message>
        <source>Longtermmeasurement</source>
        <translation>Uzun süreli ölçüm</translation>
    </message>
    <message>
        <source>DeleteMeasurementQuestion</source>
        <translation>Bu ölçüm, kayıtlarıyla birlikte silinsin mi?</translation>
    </message>
</context>
<context>
    <name>RecordingPlayer</name>
    <message>
        <source>NoRecordingStored</source>
        <translation>Bu ölçümün ses kaydı yok.</translation>
    </message>
    <message>
        <source>RecordingCannotBePlayed</source>
        <translation>Kayıt oynatılamıyor.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Not</translation>
    </message>
</context>
<context>
    <name>MeasurementScreen</name>
    <message>
        <source>Note</source>
        <translation>Not</translation>
    </message>
    <message>
        <source>YouMustConnectAnAcousticalSensorToUseThisMeasurement.</source>
        <translation>Bu ölçüm için akustik bir sensör
bağlanmalıdır.</translation>
    </message>
    <message>
        <source>MeasurementDamaged</source>
        <translation>Bu ölçüm hasarlı. Değerleri gösterilemiyor.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Uyarı</translation>
    </message>
    <message>
        <source>NoBluetoothConnectionPleaseCheckYourRM3</source>
        <translation>Bluetooth bağlantısı yok. Lütfen RM-3'ü kontrol edin.</translation>
    </message>
    <message>
        <source>YouMustConnectAH2-SensorToUseThisMeasurement</source>
        <translation>Bu ölçüm için bir H2 sensörü
bağlanmalıdır.</translation>
    </message>
</context>
<context>
    <name>Pinpointing</name>
    <message>
        <source>Store</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Çubuk ölçeği</translation>
    </message>
    <message>
        <source>DeleteLastPosition</source>
        <translation>Son konumu sil</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Ana menü</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Geri</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Filtreyi ayarla</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Mikrofon kazancı</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Kulaklık ses düzeyi</translation>
    </message>
    <message>
        <source>PlayRecordedSound</source>
        <translation>Kaydı oynat</translation>
    </message>
    <message>
        <source>StopPlaying</source>
        <translation>Oynatmayı durdur</translation>
    </message>
    <message>
        <source>NextPosition</source>
        <translation>Sonraki konum</translation>
    </message>
</context>
<context>
    <name>Longtermmeasurement</name>
    <message>
        <source>AnalysisTime</source>
        <translation>Analiz süresi</translation>
    </message>
    <message>
        <source>Autoscale</source>
        <translation>Otomatik ölçek</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Filtreyi ayarla</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Mikrofon kazancı</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Kulaklık ses düzeyi</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Geri</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Ana menü</translation>
    </message>
</context>
<context>
    <name>Pipelocating</name>
    <message>
        <source>Store</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Filtreyi ayarla</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Mikrofon kazancı</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Kulaklık ses düzeyi</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Ana menü</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Geri</translation>
    </message>
</context>
<context>
    <name>H2Sensor</name>
    <message>
        <source>SetReference</source>
        <translation>Referans ayarla</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Ölçek</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Kulaklık ses düzeyi</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Ana menü</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Geri</translation>
    </message>
    <message>
        <source>ReferenceShort</source>
        <translation>Ref.</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Noktalar</translation>
    </message>
</context>
<context>
    <name>PressureSensor</name>
    <message>
        <source>TimeAxis</source>
        <translation>Zaman ekseni</translation>
    </message>
    <message>
        <source>PressureAxis</source>
        <translation>Basınç ekseni</translation>
    </message>
    <message>
        <source>Analyse</source>
        <translation>Analiz</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Önceki</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Sonraki</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Geri</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Ana menü</translation>
    </message>
    <message>
        <source>NoPressureTransducer</source>
        <translation>Dönüştürücü yok</translation>
    </message>
</context>
<context>
    <name>BackupDialog</name>
    <message>
        <source>Connect</source>
        <translation>Bağlan</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Bağlantıyı kes</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>BackupConnectedToPC</source>
        <translation>PC artık ölçümleri okuyabilir.
PC'de sürücüyü çıkarın,
ardından Bağlantıyı kes'e basın.</translation>
    </message>
    <message>
        <source>ConnectTheKXE500ToYourPC</source>
        <translation>KXE500'ü PC'ye bağlayın
ve Bağlan'a basın.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hata</translation>
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
        <translation>PC'den gelen şu dosyalar yürütülemedi:</translation>
    </message>
</context>
<context>
    <name>Firmwareupdate</name>
    <message>
        <source>FirmwareUpdate</source>
        <translation>Firmware güncelleme</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Bağlan</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Bağlantıyı kes</translation>
    </message>
    <message>
        <source>InstalledFirmware</source>
        <translation>Yüklü</translation>
    </message>
    <message>
        <source>NewFirmware</source>
        <translation>Yeni</translation>
    </message>
    <message>
        <source>StartUpdate</source>
        <translation>Güncellemeyi başlat</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Geri</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>NoFirmwarefileFound</source>
        <translation>Firmware dosyası %1 bulunamadı.</translation>
    </message>
    <message>
        <source>FirmwarefileWithoutVersion</source>
        <translation>%1 sürüm içermiyor (örn. 1-2-0).</translation>
    </message>
    <message>
        <source>PleaseCopyTheFirmwarefilesPressTheButtonDisconnectIfAllFilesAreCopied</source>
        <translation>Lütfen firmware dosyalarını kopyalayın.
Tüm dosyalar kopyalanınca
Bağlantıyı kes'e basın.</translation>
    </message>
    <message>
        <source>ConnectTheKXE500ToYourPCAndPressTheButtonConnect</source>
        <translation>KXE500'ü PC'ye bağlayın
ve Bağlan'a basın.</translation>
    </message>
    <message>
        <source>UpdateKXE500</source>
        <translation>KXE500'ü güncelle</translation>
    </message>
    <message>
        <source>UpdateRM-3</source>
        <translation>RM-3'ü güncelle</translation>
    </message>
    <message>
        <source>NewestOfFilesOffered</source>
        <translation>%1 firmware dosyası bulundu; en yenisi sunuluyor.</translation>
    </message>
    <message>
        <source>CouldNotReadFirmwarefile</source>
        <translation>Firmware dosyası okunamadı. Lütfen tekrar deneyin.</translation>
    </message>
    <message>
        <source>UpdatingKXE500</source>
        <translation>KXE500 güncelleniyor</translation>
    </message>
    <message>
        <source>CopyingFilesPleaseWait</source>
        <translation>Dosyalar kopyalanıyor, lütfen bekleyin ...</translation>
    </message>
    <message>
        <source>CouldNotCopyFirmwarefile</source>
        <translation>Firmware kopyalanamadı. Lütfen tekrar deneyin.</translation>
    </message>
    <message>
        <source>FirmwareupdateKXE500</source>
        <translation>Firmware güncelleme KXE500</translation>
    </message>
    <message>
        <source>AllFilesCopiedPleaseWaitForReboot</source>
        <translation>Tüm dosyalar kopyalandı.
Yeniden başlatma bekleniyor ...</translation>
    </message>
    <message>
        <source>UpdatingRM-3</source>
        <translation>RM-3 güncelleniyor</translation>
    </message>
    <message>
        <source>TransmittingFirmwarePleaseWait</source>
        <translation>Firmware aktarılıyor, lütfen bekleyin ...</translation>
    </message>
    <message>
        <source>ErrorDuringFirmwareUpdatePleaseTryAgain</source>
        <translation>Firmware güncellemesinde hata. Lütfen tekrar deneyin.</translation>
    </message>
    <message>
        <source>FirmwareSuccessfulTransmittedPleaseWaitForRestart</source>
        <translation>Firmware aktarıldı.
RM-3'ün yeniden başlaması bekleniyor ...</translation>
    </message>
    <message>
        <source>FirmwareupdateSuccessful</source>
        <translation>Firmware güncellemesi başarılı.</translation>
    </message>
    <message>
        <source>FirmwareupdateRM-3</source>
        <translation>Firmware güncelleme RM-3</translation>
    </message>
    <message>
        <source>FirmwareupdateSuccessfullyFinished.</source>
        <translation>Firmware güncellemesi başarıyla tamamlandı.</translation>
    </message>
    <message>
        <source>RM3StillOldFirmware</source>
        <translation>RM-3 hâlâ firmware %1 bildiriyor.
Lütfen tekrar deneyin.</translation>
    </message>
    <message>
        <source>RM3ReportsFirmware</source>
        <translation>RM-3 firmware %1 bildiriyor.</translation>
    </message>
    <message>
        <source>ErrorDuringUpdatePleaseTryAgainNoAnswerReceivedFromBluetoothDevice</source>
        <translation>Güncelleme hatası, lütfen tekrar deneyin.
Bluetooth cihazından yanıt alınamadı.</translation>
    </message>
    <message>
        <source>FirmwareupdateCancelled</source>
        <translation>Firmware güncellemesi iptal edildi.</translation>
    </message>
</context>
<context>
    <name>UsbExport</name>
    <message>
        <source>Error</source>
        <translation>Hata</translation>
    </message>
    <message>
        <source>UsbConnectFailed</source>
        <translation>Veriler PC'ye aktarılamadı. Lütfen tekrar deneyin.</translation>
    </message>
    <message>
        <source>UsbStillConnected</source>
        <translation>PC verileri hâlâ tutuyor. PC'de sürücüyü çıkarın ve tekrar Bağlantıyı kes'e basın.</translation>
    </message>
    <message>
        <source>DataPartitionNotMounted</source>
        <translation>Ölçüm belleği açılamadı. Ölçümler kaydedilemez.</translation>
    </message>
</context>
<context>
    <name>CustomizeDialogs</name>
    <message>
        <source>ShowFFT</source>
        <translation>FFT göster</translation>
    </message>
    <message>
        <source>ShowFrequencyValue</source>
        <translation>Frekans değerini göster</translation>
    </message>
    <message>
        <source>ShowPeakLevelBar</source>
        <translation>Tepe seviye çubuğunu göster</translation>
    </message>
    <message>
        <source>UseFrequencyColor</source>
        <translation>Çubuk frekans renginde</translation>
    </message>
    <message>
        <source>ShowFilterParameter</source>
        <translation>Filtre parametrelerini göster</translation>
    </message>
    <message>
        <source>DynamicScaling</source>
        <translation>Dinamik ölçekleme</translation>
    </message>
    <message>
        <source>ShowGrid</source>
        <translation>Izgarayı göster</translation>
    </message>
    <message>
        <source>ShowHistogram</source>
        <translation>Histogramı göster</translation>
    </message>
    <message>
        <source>ShowWorkingRange</source>
        <translation>Çalışma aralığını göster</translation>
    </message>
    <message>
        <source>UseFavouriteForStartup</source>
        <translation>Favori ile başlat</translation>
    </message>
    <message>
        <source>UseFilterForStartup</source>
        <translation>Son filtre ile başlat</translation>
    </message>
    <message>
        <source>UseGpsForStartup</source>
        <translation>Başlangıçta GPS açık</translation>
    </message>
    <message>
        <source>LevelMeasurement</source>
        <translation>Seviye ölçümü</translation>
    </message>
    <message>
        <source>Pinpointing</source>
        <translation>Nokta tespiti</translation>
    </message>
    <message>
        <source>LongtermMeasurement</source>
        <translation>Uzun süreli ölçüm</translation>
    </message>
    <message>
        <source>H2-Sensor</source>
        <translation>H2 sensörü</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Boru tespiti</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Başlangıç</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Uygula</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>DateTimeAdjust</name>
    <message>
        <source>Time</source>
        <translation>Saat</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuel</translation>
    </message>
    <message>
        <source>InvalidDate</source>
        <translation>Geçersiz tarih</translation>
    </message>
    <message>
        <source>InvalidDateText</source>
        <translation>Bu tarih mevcut değil. Lütfen günü veya ayı düzeltin.</translation>
    </message>
</context>
<context>
    <name>Displaysettings</name>
    <message>
        <source>Brightness</source>
        <translation>Parlaklık</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Uygula</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>low</source>
        <translation>düşük</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>orta</translation>
    </message>
    <message>
        <source>high</source>
        <translation>yüksek</translation>
    </message>
</context>
<context>
    <name>HearingProtection</name>
    <message>
        <source>HearingProtection</source>
        <translation>İşitme koruması</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Etkin</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Devre dışı</translation>
    </message>
    <message>
        <source>DefaultHeadphoneVolume</source>
        <translation>Kulaklık ses düzeyini ayarla</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Uygula</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>MaximumVolumeWillBeLimited</source>
        <translation>Maksimum ses düzeyi sınırlanacak.</translation>
    </message>
    <message>
        <source>WarningRiskOfAcousticShock</source>
        <translation>Uyarı! Akustik şok riski.</translation>
    </message>
</context>
<context>
    <name>PowerSaving</name>
    <message>
        <source>never</source>
        <translation>asla</translation>
    </message>
    <message>
        <source>PowerSaving</source>
        <translation>Güç tasarrufu</translation>
    </message>
    <message>
        <source>PowerOff</source>
        <translation>Cihazı kapat</translation>
    </message>
    <message>
        <source>BacklightOff</source>
        <translation>Arka ışığı kapat</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Uygula</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>ResetSettings</name>
    <message>
        <source>ResetToDeliveryState</source>
        <translation>Fabrika ayarlarına dön</translation>
    </message>
    <message>
        <source>ResetToDeliveryStateInfo</source>
        <translation>Fabrika ayarlarına dönüş.
Tüm ayarlar (örn. dil,
eşleşmiş Bluetooth cihazları) sıfırlanır.
Kayıtlı ölçümler silinmez.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Sıfırla</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Geri</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Uyarı</translation>
    </message>
    <message>
        <source>DoYouReallyWantToResetAllSettings</source>
        <translation>Tüm ayarlar gerçekten sıfırlansın mı?</translation>
    </message>
</context>
<context>
    <name>SelectFavouriteButton</name>
    <message>
        <source>FavouriteButton</source>
        <translation>Favori tuşu</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Uygula</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>SelectSwitchmode</name>
    <message>
        <source>ModeOfMutingButton</source>
        <translation>Dinleme tuşunun modu</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Anahtar</translation>
    </message>
    <message>
        <source>PushButton</source>
        <translation>Basmalı buton</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Uygula</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>SelectTimezone</name>
    <message>
        <source>MidwayIslands</source>
        <translation>Midway Adaları</translation>
    </message>
    <message>
        <source>Hawaii</source>
        <translation>Hawaii</translation>
    </message>
    <message>
        <source>Alaska</source>
        <translation>Alaska</translation>
    </message>
    <message>
        <source>Pacific</source>
        <translation>Pasifik</translation>
    </message>
    <message>
        <source>Arizona</source>
        <translation>Arizona</translation>
    </message>
    <message>
        <source>Chicago</source>
        <translation>Şikago</translation>
    </message>
    <message>
        <source>NewYork</source>
        <translation>New York</translation>
    </message>
    <message>
        <source>Manaus</source>
        <translation>Manaus</translation>
    </message>
    <message>
        <source>Newfoundland</source>
        <translation>Newfoundland</translation>
    </message>
    <message>
        <source>Greenland</source>
        <translation>Grönland</translation>
    </message>
    <message>
        <source>MiddleAtlantic</source>
        <translation>Orta Atlantik</translation>
    </message>
    <message>
        <source>Azores</source>
        <translation>Azor Adaları</translation>
    </message>
    <message>
        <source>London</source>
        <translation>Londra</translation>
    </message>
    <message>
        <source>Berlin</source>
        <translation>Berlin</translation>
    </message>
    <message>
        <source>Cairo</source>
        <translation>Kahire</translation>
    </message>
    <message>
        <source>Moscow</source>
        <translation>Moskova</translation>
    </message>
    <message>
        <source>Teheran</source>
        <translation>Tahran</translation>
    </message>
    <message>
        <source>AbuDhabi</source>
        <translation>Abu Dabi</translation>
    </message>
    <message>
        <source>Kabul</source>
        <translation>Kabil</translation>
    </message>
    <message>
        <source>Islamabad</source>
        <translation>İslamabad</translation>
    </message>
    <message>
        <source>NewDelhi</source>
        <translation>Yeni Delhi</translation>
    </message>
    <message>
        <source>Katmandu</source>
        <translation>Katmandu</translation>
    </message>
    <message>
        <source>Nowosibirsk</source>
        <translation>Novosibirsk</translation>
    </message>
    <message>
        <source>Yangon</source>
        <translation>Yangon</translation>
    </message>
    <message>
        <source>Bangkok</source>
        <translation>Bangkok</translation>
    </message>
    <message>
        <source>HongKong</source>
        <translation>Hong Kong</translation>
    </message>
    <message>
        <source>Tokio</source>
        <translation>Tokyo</translation>
    </message>
    <message>
        <source>Darwin</source>
        <translation>Darwin</translation>
    </message>
    <message>
        <source>Sydney</source>
        <translation>Sidney</translation>
    </message>
    <message>
        <source>Magadan</source>
        <translation>Magadan</translation>
    </message>
    <message>
        <source>Fiji</source>
        <translation>Fiji</translation>
    </message>
    <message>
        <source>DaylightSavingTime</source>
        <translation>Yaz saati</translation>
    </message>
    <message>
        <source>Summertime</source>
        <translation>Yaz saati</translation>
    </message>
    <message>
        <source>Wintertime</source>
        <translation>Kış saati</translation>
    </message>
    <message>
        <source>SwitchDst</source>
        <translation>Yaz/kış saatini değiştir</translation>
    </message>
</context>
<context>
    <name>Systeminformation</name>
    <message>
        <source>unknown</source>
        <translation>bilinmiyor</translation>
    </message>
    <message>
        <source>SystemInformation</source>
        <translation>Sistem bilgisi</translation>
    </message>
    <message>
        <source>Firmwareversion</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Serialnumber</source>
        <translation>Seri numarası</translation>
    </message>
    <message>
        <source>Productiondate</source>
        <translation>Üretim tarihi</translation>
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
        <translation>Donanım</translation>
    </message>
    <message>
        <source>OperatingSystem</source>
        <translation>İşletim sistemi</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Pil</translation>
    </message>
    <message>
        <source>DebugEnabled</source>
        <translation>Debug etkin</translation>
    </message>
</context>
<context>
    <name>GpsMonitor</name>
    <message>
        <source>GpsInformation</source>
        <translation>GPS bilgisi</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Enlem</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Boylam</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Tarih</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Saat</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Kalite</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Uydular</translation>
    </message>
    <message>
        <source>SatelliteInformation</source>
        <translation>Uydu bilgisi</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Yön</translation>
    </message>
    <message>
        <source>Groundspeed</source>
        <translation>Yer hızı</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Yükseklik</translation>
    </message>
    <message>
        <source>DistanceMeasurement</source>
        <translation>Mesafe ölçümü</translation>
    </message>
    <message>
        <source>ReferencePosition</source>
        <translation>Referans konum</translation>
    </message>
    <message>
        <source>CurrentPosition</source>
        <translation>Mevcut konum</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Mesafe</translation>
    </message>
    <message>
        <source>SwitchGpsFormat</source>
        <translation>Konum gösterimini değiştir</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>DisplayGpsPosition</source>
        <translation>Konumu göster</translation>
    </message>
    <message>
        <source>DisplayNmeaData</source>
        <translation>NMEA verilerini göster</translation>
    </message>
    <message>
        <source>SetReferencePosition</source>
        <translation>Referans konumu ayarla</translation>
    </message>
    <message>
        <source>StopMonitoring</source>
        <translation>İzlemeyi durdur</translation>
    </message>
    <message>
        <source>StartMonitoring</source>
        <translation>İzlemeyi başlat</translation>
    </message>
    <message>
        <source>DeleteData</source>
        <translation>Verileri sil</translation>
    </message>
</context>
<context>
    <name>BluetoothPairing</name>
    <message>
        <source>Search</source>
        <translation>Ara</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Bilgi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>EnablePairingModeAndPressSearchButton</source>
        <translation>Eşleştirme modunu açın
ve Ara'ya basın ...</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Aranıyor</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>bilinmiyor</translation>
    </message>
    <message>
        <source>NoDevicesFoundTryAgain</source>
        <translation>Cihaz bulunamadı. Tekrar deneyin.</translation>
    </message>
    <message>
        <source>SelectDeviceForPairing</source>
        <translation>Eşleştirilecek cihazı seçin</translation>
    </message>
    <message>
        <source>PairingDevice</source>
        <translation>Cihaz eşleştiriliyor</translation>
    </message>
    <message>
        <source>PairingNotSuccessfulPleaseTryAgain</source>
        <translation>Eşleştirme başarısız.
Lütfen tekrar deneyin.</translation>
    </message>
</context>
</TS>
